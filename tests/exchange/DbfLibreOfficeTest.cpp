// A table we write, read back by LibreOffice Calc (when installed) and converted to CSV.

#include "ExchangeFixtures.h"
#include "exchange/CatalogueExport.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <gtest/gtest.h>

using namespace folianto;
using test::TempDir;

TEST(DbfLibreOffice, CalcReadsTheExportedTable)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice is not installed";
    TempDir dir;
    table::Dataset ds;
    test::makeCatalogue(ds, {{"War", "Tolstoy", "Novel", "", "w.txt", 1200}, {"Idiot", "", "", "", "", {}}});
    exchange::ExportRequest r;
    r.type = exchange::ExportType::Dbf;
    r.target = dir.file("books.dbf");
    r.when = QDateTime::currentDateTime();
    ASSERT_TRUE(exchange::runExport(ds, r));

    QProcess p;
    const QString profile = QUrl::fromLocalFile(dir.file("profile")).toString();
    p.start(soffice, {"-env:UserInstallation=" + profile, "--headless", "--convert-to", "csv", "--outdir",
                      dir.file("out"), r.target});
    ASSERT_TRUE(p.waitForFinished(120000));
    const QString csv = dir.file("out/books.csv");
    if (!QFileInfo::exists(csv))
        GTEST_SKIP() << "LibreOffice could not convert the table (is Calc installed?): "
                     << p.readAllStandardError().toStdString();
    const QStringList lines = QString::fromUtf8(TempDir::read(csv)).split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    // Calc names each column with its field's type and width.
    EXPECT_EQ(lines[0], R"("BOOKNAME,C,70","AUTHOR,C,70","TOPIC,C,70","COMMENT,C,200","FILENAME,C,200","SIZE,N,15,0")");
    EXPECT_TRUE(lines[1].startsWith("War,Tolstoy,Novel,,w.txt,1200")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("Idiot,,,,,0")) << lines[2].toStdString();
}
