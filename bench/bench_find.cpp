// One step of the find command in a 1,000,000-character part, in each view: the only match
// lies near the end, so the step scans nearly the whole text (whole word, any case).
#include "reader/ReadingViews.h"
#include "reader/TextFind.h"

#include "QtBenchMain.h"
#include <QTextCursor>
#include <benchmark/benchmark.h>

namespace {

QString partWithOneMatch()
{
    const QString line = QStringLiteral("Широкая электрификация южных губерний даст мощный толчок подъёму сельского хозяйства.\n");
    QString text;
    while (text.size() < 1000000)
        text += line;
    text.truncate(1000000);
    text.replace(900000, 9, QStringLiteral(" Мотылёк "));
    return text;
}

template <bool Fast>
void BM_FindStep(benchmark::State& state)
{
    folianto::reader::ReadingViews views;
    views.resize(700, 500);
    if (Fast)
        views.showFastText(partWithOneMatch());
    else
        views.showRichText(partWithOneMatch());
    const folianto::reader::FindRequest request{QStringLiteral("мотылёк"), true, false, true};
    for (auto _ : state) {
        QTextCursor start(Fast ? views.fastView().document() : views.richView().document());
        bool found = false;
        if (Fast) {
            views.fastView().setTextCursor(start);
            found = folianto::reader::findInFastView(views.fastView(), request);
        } else {
            views.richView().setTextCursor(start);
            found = folianto::reader::findInRichView(views.richView(), request);
        }
        if (!found)
            state.SkipWithError("not found");
    }
}
BENCHMARK(BM_FindStep<true>)->Name("BM_FindStepFastView")->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_FindStep<false>)->Name("BM_FindStepRichView")->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return runQtBenchmarks(argc, argv);
}
