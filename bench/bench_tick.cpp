// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one main-timer tick of the real main window, on fake platform services, with a
// long list of which nothing is due: every row is examined and none fires.
#include "alarms/alarmlistmodel.h"
#include "mainwindowfixture.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

const QDateTime start(QDate(2026, 12, 7), QTime(10, 0, 0));
// Every row lies after the last moment a benchmark run can reach.
constexpr int firstRowSecond = 12 * 3600;
constexpr qint64 runSpanMs = 3600 * 1000;

QByteArray everyDayRows(int count)
{
    QByteArray content;
    content.reserve(count * 64);
    for (int i = 0; i < count; ++i) {
        const QTime time = QTime(0, 0).addSecs(firstRowSecond + i % (12 * 3600 - 1));
        content += "evt*-1*" + time.toString(QStringLiteral("hh:mm:ss")).toLatin1() +
                   "*On*NoShell*Once*Every Day*Bell*-1*Event " + QByteArray::number(i) + "\r\n";
    }
    return content;
}

struct TickFixture
{
    MainWindowFixture f;
    TfrmMain* window = nullptr;

    explicit TickFixture(int rows)
    {
        f.platform.clock.set(start);
        f.writeEvents(everyDayRows(rows));
        window = &f.start();
        // Ticks come from the benchmark alone.
        control<QTimer>(*window, "MainTimer")->stop();
        window->show();
        QApplication::processEvents();
    }
    bool anyFired() const
    {
        const std::vector<AlarmEvent>& events = window->alarms().events();
        return f.platform.wave.calls.size() > 0 || std::any_of(events.cbegin(), events.cend(), [](const AlarmEvent& e) {
                   return e.activeIgnore != AlarmText::active;
               });
    }
    /// Half a second later, as the real timer would find it; back to the start before any row
    /// could come due.
    void step()
    {
        f.platform.clock.advanceMs(500);
        if (start.msecsTo(f.platform.clock.now()) > runSpanMs)
            f.platform.clock.set(start);
    }
};

bool tick(TfrmMain* window)
{
    return QMetaObject::invokeMethod(window, "MainTimerTimer");
}

void mainTimerTick(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    TickFixture fixture(rows);
    if (fixture.window->alarms().rowCount() != rows) {
        state.SkipWithError("the events file did not load whole");
        return;
    }
    for (auto _ : state) {
        fixture.step();
        if (!tick(fixture.window)) {
            state.SkipWithError("no MainTimerTimer slot");
            return;
        }
    }
    if (fixture.anyFired())
        state.SkipWithError("a row fired during the run");
    state.SetItemsProcessed(state.iterations() * rows);
}

// The same tick with the window's repaint that follows it (the title clock changes every minute).
void mainTimerTickWithPaint(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    TickFixture fixture(rows);
    for (auto _ : state) {
        fixture.step();
        tick(fixture.window);
        QApplication::processEvents();
    }
    if (fixture.anyFired())
        state.SkipWithError("a row fired during the run");
}

} // namespace

BENCHMARK(mainTimerTick)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(mainTimerTickWithPaint)->Arg(10000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
