// The catalogue view's commands at 100,000 rows, through the command classes and the grid's
// model on the offscreen platform: a title click with its repaint, the cell filter, a composed
// filter of three conditions, find, and rebuilding the topic cache.

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/CatalogueViewCommands.h"
#include "catalogue/CatalogueViewHost.h"
#include "catalogue/GridLook.h"
#include "catalogue/TopicCache.h"
#include "engines/table/DatasetModel.h"
#include "util/Interaction.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QRandomGenerator>
#include <QTableView>
#include <QTemporaryDir>
#include "BenchStand.h"
#include "QtBenchMain.h"
#include <benchmark/benchmark.h>


using namespace folianto;
using namespace folianto::catalogue;

namespace {

constexpr int kRows = 100000;

struct CatalogueWindow final : bench::QuietCatalogueHost, CatalogueViewHost {
    void UpdateViewState() override {}
    void repaintWindow() override {}
    QWidget* dialogParent() override { return nullptr; }
    void closeOpenBook() override {}
    QString rememberedSort() const override { return indName; }
    void setRememberedSort(const QString& name) override { indName = name; }
    QStringList sortFields() const override { return {}; }
    QStringList filterConditions() const override { return conditions; }
    bool titleClickGuard() const override { return false; }
    void armTitleClickGuard() override {}
    bool bookOpen() const override { return false; }

    QStringList conditions;
};

QString catalogueFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QStringList words = QString::fromUtf8("Тихий Дон Красная роза Белые ночи Последний герой Вечная любовь "
                                                    "Тёмные аллеи Золотой телёнок Старая крепость Горячий снег")
                                      .split(u' ');
        const QStringList authors = QString::fromUtf8("Толстой Чехов Пушкин Гоголь Бунин Куприн Лесков").split(u' ');
        table::Dataset ds;
        ds.setFieldDefs(catalogueFieldDefs());
        ds.createEmpty();
        QRandomGenerator rng(7);
        for (int i = 0; i < kRows; ++i) {
            ds.append();
            ds.setValue(field::BookName, QString(words[int(rng.bounded(words.size()))] + u' '
                                                 + words[int(rng.bounded(words.size()))] + u' ' + QString::number(i)));
            ds.setValue(field::Author, authors[int(rng.bounded(authors.size()))]);
            // 300 topics, each also met in upper case.
            const QString topic = QStringLiteral("Тема %1").arg(rng.bounded(300));
            ds.setValue(field::Topic, rng.bounded(2) ? topic : topic.toUpper());
            ds.setValue(field::Size, int(rng.bounded(100000)));
            ds.setValue(field::Percent, int(rng.bounded(101)));
            ds.post();
        }
        const QString file = dir.filePath(QStringLiteral("view.bon"));
        ds.saveToFile(file);
        return file;
    }();
    return path;
}

QAction* filterItem(int tag)
{
    auto* a = new QAction(QStringLiteral("&Фильтр"));
    a->setCheckable(true);
    a->setProperty("tag", tag);
    return a;
}

struct View {
    CatalogueWindow window;
    Catalogue catalogue{window};
    QTableView grid;
    table::DatasetModel model{catalogue.Ds()};
    QComboBox topicBox;
    TopicCache topics{topicBox};
    QAction* mpFilter = filterItem(0);
    QAction* mpFiltGroup = filterItem(1);
    QAction* mFilter = filterItem(0);
    std::unique_ptr<CatalogueViewCommands> commands;
    bench::FixedAnswers answers; // input boxes get the find pattern

    View()
    {
        util::setInteraction(&answers);
        catalogue.OpenCatalogue(catalogueFile());
        catalogue.setCaseSensitive(false);
        model.setHeaderTitles(catalogueColumnTitles());
        grid.setModel(&model);
        installGridLook(grid, catalogue.Ds(), [] { return false; });
        grid.resize(1000, 700);
        grid.show();
        commands = std::make_unique<CatalogueViewCommands>(
            catalogue, CatalogueViewControls{grid, {*mpFilter, *mpFiltGroup, *mFilter}, topics}, window);
    }
    ~View()
    {
        util::setInteraction(nullptr);
        delete mpFilter;
        delete mpFiltGroup;
        delete mFilter;
    }
    void selectColumn(const QString& name)
    {
        table::Dataset& ds = catalogue.Ds();
        grid.setCurrentIndex(model.index(std::max(ds.recNo() - 1, 0), ds.fieldIndex(name)));
    }
    void click(QAction* a)
    {
        a->setChecked(!a->isChecked());
        commands->filter().mpFilterClick(a);
    }
};

View& view()
{
    static View v;
    return v;
}

void BM_TitleClickSortAndRepaint(benchmark::State& state)
{
    View& v = view();
    const int author = v.catalogue.Ds().fieldIndex(field::Author);
    const int title = v.catalogue.Ds().fieldIndex(field::BookName);
    int i = 0;
    for (auto _ : state) {
        v.commands->sort().DBGTitleClick(i++ % 2 ? title : author);
        v.grid.viewport()->repaint();
        v.grid.horizontalHeader()->viewport()->repaint();
    }
}

void BM_CellFilter(benchmark::State& state)
{
    View& v = view();
    v.catalogue.Ds().first();
    v.selectColumn(field::Author);
    for (auto _ : state) {
        v.click(v.mpFilter); // on
        state.PauseTiming();
        v.click(v.mpFilter); // off
        v.selectColumn(field::Author);
        state.ResumeTiming();
    }
}

void BM_ComposedFilterOfThreeConditions(benchmark::State& state)
{
    View& v = view();
    v.window.conditions = {QStringLiteral(" _Author='Пушкин'"), QStringLiteral("and _Size > '20000'"),
                           QStringLiteral("or _BookName like '%роза%'")};
    for (auto _ : state) {
        v.click(v.mpFiltGroup); // on
        state.PauseTiming();
        v.click(v.mpFiltGroup); // off
        state.ResumeTiming();
    }
}

void BM_Find(benchmark::State& state)
{
    View& v = view();
    v.answers.text = QStringLiteral("снег снег 9999"); // far down the title order
    for (auto _ : state) {
        state.PauseTiming();
        v.catalogue.Ds().first();
        v.selectColumn(field::BookName);
        state.ResumeTiming();
        v.commands->filter().mpFindClick();
    }
}

void BM_RebuildTopicCache(benchmark::State& state)
{
    View& v = view();
    for (auto _ : state)
        benchmark::DoNotOptimize(v.topics.rebuild(v.catalogue.Ds()).size());
}

BENCHMARK(BM_TitleClickSortAndRepaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CellFilter)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ComposedFilterOfThreeConditions)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Find)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RebuildTopicCache)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return runQtBenchmarks(argc, argv);
}
