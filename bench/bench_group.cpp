// The group operations at 100,000 rows in view, each including its single write of the file:
// removing the reading traces of every row, a replacement that changes 10,000 rows, and the
// deletion of the 50,000 rows a filter keeps. Each run starts from a fresh copy of the file.

#include "catalogue/BookCard.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueCommandsHost.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/GroupCommands.h"
#include "engines/table/DatasetModel.h"
#include "util/Interaction.h"

#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include "BenchStand.h"
#include "QtBenchMain.h"
#include <benchmark/benchmark.h>

using namespace folianto;
using namespace folianto::catalogue;

namespace {

constexpr int kRows = 100000;

// The window: nothing to show, no book open.
struct Window final : bench::QuietCatalogueHost, CatalogueCommandsHost {
    void UpdateViewState() override {}
    void repaintWindow() override {}
    QWidget* dialogParent() override { return nullptr; }
    void closeOpenBook() override {}
    QString defaultAuthor() const override { return {}; }
    QString defaultTopic() const override { return {}; }
    bool bookOpen() const override { return false; }
    bool warnSimilarLink() const override { return false; }
    void setDefaultAuthor(const QString&) override {}
    void setDefaultTopic(const QString&) override {}
    QString infoText() const override { return {}; }
    CardFileEntries cardFileEntries(table::Dataset&, const std::function<void()>&) override { return {}; }
    bool zipFile(const QString&, const QString&, QProgressBar*) override { return false; }
    std::optional<fb2::Fb2Description> bookDescription(const QString&) override { return std::nullopt; }
};

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

// Every tenth book by Пушкин, every second in the topic "Проза", each with reading traces.
QString pristineFile()
{
    static const QString path = [] {
        const QStringList authors = QString::fromUtf8("Толстой Чехов Гоголь Бунин Куприн Лесков").split(u' ');
        table::Dataset ds;
        ds.setFieldDefs(catalogueFieldDefs());
        ds.createEmpty();
        for (int i = 0; i < kRows; ++i) {
            ds.append();
            ds.setValue(field::BookName, QStringLiteral("Книга %1").arg(i));
            ds.setValue(field::Author, i % 10 == 0 ? QStringLiteral("Пушкин") : authors[i % authors.size()]);
            ds.setValue(field::Topic, i % 2 ? QStringLiteral("Проза") : QStringLiteral("Поэзия"));
            ds.setValue(field::FileName, QStringLiteral("c:\\books\\%1.txt").arg(i));
            ds.setValue(field::First, QDate(2003, 1, 1 + i % 28));
            ds.setValue(field::Last, QDate(2004, 1, 1 + i % 28));
            ds.setValue(field::Pos, i * 10);
            ds.setValue(field::Percent, i % 101);
            ds.setValue(field::Oem, QStringLiteral("Y"));
            ds.post();
        }
        const QString file = folder().filePath(QStringLiteral("pristine.bon"));
        ds.saveToFile(file);
        return file;
    }();
    return path;
}

struct Group {
    Window window;
    Catalogue catalogue{window};
    QTableView grid;
    table::DatasetModel model{catalogue.Ds()};
    GroupCommands commands{catalogue, grid, window};
    bench::FixedAnswers yes;
    QString work = folder().filePath(QStringLiteral("work.bon"));

    Group()
    {
        yes.answer = util::Answer::Yes;
        yes.text = QStringLiteral("Pushkin");
        util::setInteraction(&yes);
        grid.setModel(&model);
    }
    ~Group() { util::setInteraction(nullptr); }

    // A fresh copy of the catalogue, opened, on its first row.
    void reopen()
    {
        catalogue.SwitchCatalogue({});
        QFile::remove(work);
        QFile::copy(pristineFile(), work);
        catalogue.OpenCatalogue(work);
        catalogue.Ds().first();
    }
    void selectColumn(const QString& name)
    {
        grid.setCurrentIndex(model.index(catalogue.Ds().recNo() - 1, catalogue.Ds().fieldIndex(name)));
    }
};

Group& group()
{
    static Group g;
    return g;
}

void BM_RemoveReadingTracesOfAll(benchmark::State& state)
{
    Group& g = group();
    for (auto _ : state) {
        state.PauseTiming();
        g.reopen();
        state.ResumeTiming();
        g.commands.mpGroupDeleteClick(2);
    }
}

void BM_ReplaceTenThousandAuthors(benchmark::State& state)
{
    Group& g = group();
    for (auto _ : state) {
        state.PauseTiming();
        g.reopen();
        g.selectColumn(field::Author); // the first row's author is Пушкин
        state.ResumeTiming();
        g.commands.mpReplaceClick();
    }
}

void BM_FilteredDeletionOfHalf(benchmark::State& state)
{
    Group& g = group();
    for (auto _ : state) {
        state.PauseTiming();
        g.reopen();
        g.catalogue.Ds().setFilterText(QStringLiteral("_Topic='Проза'"));
        g.catalogue.Ds().setFiltered(true);
        g.catalogue.Ds().first();
        state.ResumeTiming();
        g.commands.mpGroupDeleteClick(1);
    }
}

BENCHMARK(BM_RemoveReadingTracesOfAll)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(BM_ReplaceTenThousandAuthors)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(BM_FilteredDeletionOfHalf)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv)
{
    return runQtBenchmarks(argc, argv, [] { return !pristineFile().isEmpty(); });
}
