// SPDX-License-Identifier: GPL-3.0-or-later
// The due scan over long lists of which nothing is due: every row is examined and none fires.
// Its budget is a millisecond for 10,000 rows, a small share of the main timer's 500 ms.
#include "testevent.h"
#include "trigger/duescan.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {
const QDateTime monday(QDate(2026, 12, 7), QTime(10, 0, 0));

// Half wait for a later time today, half are past but on other weekdays or days.
std::vector<AlarmEvent> nothingDue(int count)
{
    std::vector<AlarmEvent> rows;
    rows.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        if (i % 2)
            rows.push_back(testEvent(QStringLiteral("23:%1:00").arg(i % 60, 2, 10, QLatin1Char('0')),
                                     QStringLiteral("2026/12/07"), QStringLiteral("None")));
        else if (i % 4)
            rows.push_back(testEvent(QStringLiteral("08:00:00"), AlarmText::noDate, QStringLiteral("Fri")));
        else
            rows.push_back(testEvent(QStringLiteral("08:00:00"), QStringLiteral("2026/12/08"), QStringLiteral("None")));
    }
    return rows;
}

void findDueRowOverNothingDue(benchmark::State& state)
{
    const std::vector<AlarmEvent> rows = nothingDue(static_cast<int>(state.range(0)));
    QString lastExamineDate;
    for (auto _ : state) {
        const int due = findDueRow(rows, monday, &lastExamineDate);
        benchmark::DoNotOptimize(due);
        if (due != -1)
            state.SkipWithError("a row fired");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
} // namespace

BENCHMARK(findDueRowOverNothingDue)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
