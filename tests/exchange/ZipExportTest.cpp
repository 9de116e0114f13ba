#include "engines/archive/Vzp.h"
#include "exchange/ZipFile.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace folianto;
using test::TempDir;

namespace {

QStringList entryNames(const QString& archivePath)
{
    archive::Vzp zip;
    zip.setArchiveName(archivePath);
    if (!zip.readDirectory())
        return {"(unreadable)"};
    QStringList names;
    for (int i = 0; i < zip.count(); ++i)
        names.append(zip.entry(i).path);
    zip.release();
    names.sort();
    return names;
}

} // namespace

TEST(ZipFile, PacksUnderTheBareNameAndAddsToAnExistingArchive)
{
    TempDir dir;
    const QString first = dir.write("sub/one.bon", QByteArray(5000, 'a'));
    const QString second = dir.write("two.bon", "second");
    const QString archive = dir.file("books.zip");
    QList<int> percents;
    ASSERT_TRUE(exchange::ZipFile(first, archive, [&](int p) { percents.append(p); }));
    ASSERT_FALSE(percents.isEmpty());
    EXPECT_EQ(percents.last(), 100);
    ASSERT_TRUE(exchange::ZipFile(second, archive));
    EXPECT_EQ(entryNames(archive), (QStringList{"one.bon", "two.bon"}));

    const QString unzip = QStandardPaths::findExecutable("unzip");
    if (unzip.isEmpty())
        GTEST_SKIP() << "unzip is not installed";
    QProcess p;
    p.start(unzip, {"-t", archive});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().toStdString();
}

TEST(ZipFile, RefusesAMissingSourceOrNoArchiveName)
{
    TempDir dir;
    const QString source = dir.write("one.bon", "x");
    EXPECT_FALSE(exchange::ZipFile(dir.file("none.bon"), dir.file("a.zip")));
    EXPECT_FALSE(exchange::ZipFile(source, QString()));
    EXPECT_FALSE(exchange::ZipFile(source, dir.file("no/such/folder/a.zip")));
}
