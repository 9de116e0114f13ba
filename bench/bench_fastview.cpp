// Showing a 1,000,000-character part in the fast view with its position restored: the
// Windows-1251 bytes decoded, the view filled, the caret line put on top and the window painted.
#include "engines/codepage/CodePages.h"
#include "reader/ReadingViews.h"

#include "QtBenchMain.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray russianPart(qsizetype size)
{
    const QByteArray line = folianto::codepage::toCp1251(
        QStringLiteral("Широкая электрификация южных губерний даст мощный толчок подъёму сельского хозяйства.\r\n"));
    QByteArray part;
    part.reserve(size);
    while (part.size() < size)
        part += line;
    part.truncate(size);
    return part;
}

void BM_ShowPartInFastView(benchmark::State& state)
{
    const QByteArray part = russianPart(1000000);
    folianto::reader::ReadingViews views;
    views.resize(700, 500);
    views.show();
    QApplication::processEvents();
    const qint64 position = part.size() * 2 / 3; // somewhere inside the part
    for (auto _ : state) {
        views.showFastText(folianto::codepage::fromCp1251(part));
        views.restorePosition(position);
        views.fastView().viewport()->repaint();
        benchmark::DoNotOptimize(views.fastView().topLine());
    }
    state.counters["topLine"] = views.fastView().topLine();
}
BENCHMARK(BM_ShowPartInFastView)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

} // namespace

FOLIANTO_QT_BENCHMARK_MAIN()
