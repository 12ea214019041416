// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/dateformats.h"
#include "alarms/eventsfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
const char* const playTimes[] = {"Once", "Twice", "Thrice", "Repeat"};
const char* const schedules[] = {"None", "None Every", "Every Day", "Monthly", "Mon", "Sat"};

// A mix like a long-used list: dates over a year, times over the whole day, a third with messages.
std::vector<AlarmEvent> sampleEvents(int count)
{
    std::vector<AlarmEvent> events;
    events.reserve(static_cast<size_t>(count));
    const QDate start(2026, 1, 1);
    for (int i = 0; i < count; ++i) {
        AlarmEvent event;
        event.enabled = i % 5 != 0;
        event.playTimes = playTimes[i % 4];
        event.schedule = schedules[i % 6];
        event.date = i % 6 < 2 ? DateFormats::internalDate(start.addDays(i % 365)) : QStringLiteral("-1");
        event.time24 = DateFormats::internalTime(QTime(0, 0).addSecs((i * 7919) % 86400));
        event.days = event.schedule == "Monthly" ? QStringLiteral("1 15 ") : QString();
        event.soundRun = i % 7 == 0 ? QStringLiteral("Hurry*notify-send \"Time\"") : QStringLiteral("Bell");
        if (i % 3 == 0)
            event.message = QStringLiteral("Meeting with the team\r\nRoom %1 * bring notes").arg(i);
        events.push_back(std::move(event));
    }
    return events;
}

void loadEventsFile(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("events.acl");
    if (!writeEventsFile(path, sampleEvents(count)).ok) {
        state.SkipWithError("cannot write the sample file");
        return;
    }
    const DateFormats formats(QLocale("en_US"));
    const EventsLoadContext context{QStringLiteral("2026/06/15"), QStringLiteral("12:00:00"),
                                    [&formats](const QString& ymd) { return formats.RenderDate(ymd, {}); },
                                    [&formats](const QString& time) { return formats.displayTime(time); }};
    for (auto _ : state) {
        EventsLoadResult result = readEventsFile(path, context);
        if (static_cast<int>(result.events.size()) != count || !result.report.isEmpty()) {
            state.SkipWithError("the sample file did not load whole");
            return;
        }
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void saveEventsFile(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("events.acl");
    const std::vector<AlarmEvent> events = sampleEvents(count);
    for (auto _ : state) {
        if (!writeEventsFile(path, events).ok) {
            state.SkipWithError("cannot write the file");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * count);
}
} // namespace

BENCHMARK(loadEventsFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(saveEventsFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
