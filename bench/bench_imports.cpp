// The imports that add rows in bulk: a folder of 10,000 files (1,000 in each of ten subfolders)
// counted and imported with its write; the same for 10,000 FictionBooks whose descriptions fill
// the rows, plain and each packed in its own zip; a 100,000-row catalogue merged into another of 100,000 rows with its write; a
// 50,000-line description file read and imported with its write.

#include "catalogue/CatalogueRecord.h"
#include "engines/archive/Vzp.h"
#include "exchange/CatalogueMerge.h"
#include "exchange/DescriptionImport.h"
#include "exchange/FolderImport.h"
#include "exchange/ImportSink.h"
#include "engines/codepage/CodePages.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace folianto;
using namespace folianto::exchange;

namespace {

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::abort();
}

// Ten subfolders of 1,000 small files each, made once.
const QString& bookTree()
{
    static const QString root = [] {
        const QString r = workDir().filePath(QStringLiteral("tree"));
        for (int d = 0; d < 10; ++d) {
            const QString folder = r + QStringLiteral("/Тема %1").arg(d);
            QDir().mkpath(folder);
            for (int i = 0; i < 1000; ++i)
                writeFile(folder + QStringLiteral("/Книга %1.txt").arg(i), "text");
        }
        return r;
    }();
    return root;
}

FileDefaults treeOptions()
{
    FileDefaults o;
    o.extMask = {QStringLiteral("txt"), QStringLiteral("rtf")};
    o.scan = true;
    o.impExt = o.impFolder = o.impPath = o.impDate = true;
    return o;
}

void freshTable(table::Dataset& ds)
{
    ds.setFieldDefs(catalogue::catalogueFieldDefs());
    ds.createEmpty();
}

void BM_FolderCount(benchmark::State& state)
{
    const FolderImport import(treeOptions());
    const QString& root = bookTree();
    for (auto _ : state)
        if (import.count(root) != 10000)
            state.SkipWithError("wrong count");
}
BENCHMARK(BM_FolderCount)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One folder import of the 10,000 files below `root` into `ds`, counted first and written to
// `out` after; the number of rows posted.
int importTree(benchmark::State& state, const FolderImport& import, const QString& root, const QString& out,
               table::Dataset& ds)
{
    freshTable(ds);
    TableSink sink(ds);
    if (import.count(root) != 10000)
        state.SkipWithError("wrong count");
    import.add(root, true, sink);
    ds.saveToFile(out);
    return sink.posted();
}

void BM_FolderImport(benchmark::State& state)
{
    const FolderImport import(treeOptions());
    const QString& root = bookTree();
    const QString out = workDir().filePath(QStringLiteral("folder.bon"));
    for (auto _ : state) {
        table::Dataset ds;
        if (importTree(state, import, root, out, ds) != 10000)
            state.SkipWithError("wrong rows");
    }
}
BENCHMARK(BM_FolderImport)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Ten subfolders of 1,000 FictionBooks each (a description and a page of text), made once.
const QString& fb2Tree()
{
    static const QString root = [] {
        const QString r = workDir().filePath(QStringLiteral("fb2"));
        const QString text = QStringLiteral("<p>Мороз и солнце; день чудесный! Ещё ты дремлешь, друг прелестный.</p>")
                                 .repeated(40);
        for (int d = 0; d < 10; ++d) {
            const QString folder = r + QStringLiteral("/Жанр %1").arg(d);
            QDir().mkpath(folder);
            for (int i = 0; i < 1000; ++i) {
                const QString xml =
                    QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                   "<FictionBook xmlns=\"http://www.gribuser.ru/xml/fictionbook/2.0\">"
                                   "<description><title-info><genre>prose_classic</genre>"
                                   "<author><first-name>Имя</first-name><last-name>Фамилия %1</last-name></author>"
                                   "<book-title>Книга %2</book-title><lang>ru</lang></title-info></description>"
                                   "<body><section>%3</section></body></FictionBook>\n")
                        .arg(d)
                        .arg(i)
                        .arg(text);
                writeFile(folder + QStringLiteral("/%1.fb2").arg(i), xml.toUtf8());
            }
        }
        return r;
    }();
    return root;
}

// The same books, each packed alone into `<name>.fb2.zip` in a tree of the same shape.
const QString& zippedFb2Tree()
{
    static const QString root = [] {
        const QString from = fb2Tree();
        const QString r = workDir().filePath(QStringLiteral("fb2zip"));
        QDirIterator it(from, {QStringLiteral("*.fb2")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString book = it.next();
            const QString zip = r + book.mid(from.size()) + QStringLiteral(".zip");
            QDir().mkpath(QFileInfo(zip).absolutePath());
            archive::Vzp packer;
            packer.setArchiveName(zip);
            packer.filesToProcess() = {book};
            if (!packer.pack())
                qFatal("cannot pack %s", qPrintable(book));
        }
        return r;
    }();
    return root;
}

// The whole folder import of 10,000 FictionBooks, each row taking its book's description.
void folderImportOf10000Fb2(benchmark::State& state, const QString& root)
{
    FileDefaults options;
    options.scan = true;
    const FolderImport import(options);
    const QString out = workDir().filePath(QStringLiteral("fb2.bon"));
    for (auto _ : state) {
        table::Dataset ds;
        const int posted = importTree(state, import, root, out, ds);
        ds.last();
        if (posted != 10000 || !ds.asString(catalogue::field::BookName).startsWith(QStringLiteral("Книга")))
            state.SkipWithError("the descriptions were not taken");
    }
}
void BM_FolderImportOf10000Fb2(benchmark::State& state)
{
    folderImportOf10000Fb2(state, fb2Tree());
}
void BM_FolderImportOf10000ZippedFb2(benchmark::State& state)
{
    folderImportOf10000Fb2(state, zippedFb2Tree());
}
BENCHMARK(BM_FolderImportOf10000ZippedFb2)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_FolderImportOf10000Fb2)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A catalogue file of `rows` rows with every field filled.
QString catalogueFile(const QString& name, int rows)
{
    const QString path = workDir().filePath(name);
    if (QFile::exists(path))
        return path;
    table::Dataset ds;
    freshTable(ds);
    namespace field = catalogue::field;
    for (int i = 0; i < rows; ++i) {
        ds.append();
        ds.setValue(field::BookName, QStringLiteral("Книга номер %1").arg(i));
        ds.setValue(field::Author, QStringLiteral("Автор %1").arg(i % 997));
        ds.setValue(field::Topic, QStringLiteral("Тема %1").arg(i % 31));
        ds.setValue(field::First, QDate(2020, 1, 1).addDays(i % 1000));
        ds.setValue(field::Percent, i % 101);
        ds.setValue(field::Size, 1000 + i);
        ds.setValue(field::Comment, QStringLiteral("примечание к книге"));
        ds.setValue(field::FileName, QStringLiteral("/home/читатель/книги/%1.txt").arg(i));
        ds.setValue(field::Pos, i * 7);
        ds.post();
    }
    ds.saveToFile(path);
    return path;
}

void BM_MergeCatalogue(benchmark::State& state)
{
    const QString mainFile = catalogueFile(QStringLiteral("main.bon"), 100000);
    const QString otherFile = catalogueFile(QStringLiteral("other.bon"), 100000);
    const QString out = workDir().filePath(QStringLiteral("merged.bon"));
    for (auto _ : state) {
        state.PauseTiming();
        table::Dataset ds;
        ds.setFieldDefs(catalogue::catalogueFieldDefs());
        ds.setFileName(mainFile);
        ds.open();
        state.ResumeTiming();
        auto other = loadOtherCatalogue(otherFile, ds.fieldDefs());
        TableSink sink(ds);
        mergeCatalogueRows(*other, sink);
        ds.saveToFile(out);
        if (ds.recordCount() != 200000)
            state.SkipWithError("wrong rows");
    }
}
BENCHMARK(BM_MergeCatalogue)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_DescriptionFile(benchmark::State& state)
{
    const QString path = workDir().filePath(QStringLiteral("files.bbs"));
    QByteArray text;
    for (int i = 0; i < 50000; ++i)
        text += codepage::toCp866(QStringLiteral("BOOK%1.TXT\tЛев Толстой\tВойна и мир, том %1\r\n").arg(i));
    writeFile(path, text);
    DescriptionSettings settings;
    settings.separators = {QStringLiteral("t"), QStringLiteral("t")};
    const QString out = workDir().filePath(QStringLiteral("bbs.bon"));
    for (auto _ : state) {
        table::Dataset ds;
        freshTable(ds);
        TableSink sink(ds);
        const QStringList lines = preparedDescriptionLines(readDescriptionText(path), settings);
        importDescriptionLines(lines, workDir().path() + u'/', settings, sink);
        ds.saveToFile(out);
        if (sink.posted() != 50000)
            state.SkipWithError("wrong rows");
    }
}
BENCHMARK(BM_DescriptionFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
