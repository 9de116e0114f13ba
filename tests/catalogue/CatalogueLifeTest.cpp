// Opening, switching, marking and closing catalogues.

#include "CatalogueFixtures.h"
#include "FakeCatalogueHost.h"
#include "catalogue/Catalogue.h"
#include "support/ScriptedInteraction.h"
#include "support/TempDir.h"
#include "util/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace folianto::test {
namespace {

namespace f = catalogue::field;
using catalogue::Catalogue;

class CatalogueLife : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedInteraction ui;
    InstalledInteraction installed{ui};
    FakeCatalogueHost host;
    Catalogue cat{host};

    QString title() const { return cat.Ds().asString(f::BookName); }
    void gotoTitle(const QString& t)
    {
        ASSERT_TRUE(cat.Ds().locate(f::BookName, t));
    }
};

TEST_F(CatalogueLife, NewNameGivesEmptyCatalogueWrittenOnFirstChange)
{
    const QString path = dir.file(QStringLiteral("new.bon"));
    ASSERT_TRUE(cat.SwitchCatalogue(path));
    EXPECT_TRUE(cat.isOpen());
    EXPECT_EQ(cat.Ds().recordCount(), 0);
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(host.caption, path);
    EXPECT_EQ(host.info, QString());
    EXPECT_EQ(host.position(), QStringLiteral("0/0"));

    cat.Ds().append();
    cat.Ds().setValue(f::BookName, QStringLiteral("Первая"));
    cat.Ds().post();
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(readTitlesAndMarks(path), QStringList{QStringLiteral("Первая|")});
}

TEST_F(CatalogueLife, ClosingAnUntouchedNewCatalogueCreatesItsFile)
{
    const QString path = dir.file(QStringLiteral("empty.bon"));
    ASSERT_TRUE(cat.SwitchCatalogue(path));
    ASSERT_TRUE(cat.SwitchCatalogue({}));
    EXPECT_FALSE(cat.isOpen());
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(host.info, Catalogue::noCatalogueInfoText());
    EXPECT_EQ(host.caption, QString());
    EXPECT_EQ(cat.fileName(), path); // the recent catalogue
}

TEST_F(CatalogueLife, ChoosingTheOpenCatalogueAgainDoesNotReload)
{
    const QString path = dir.file(QStringLiteral("a.bon"));
    writeCatalogue(path, {{QStringLiteral("Один")}});
    ASSERT_TRUE(cat.SwitchCatalogue(path));
    writeCatalogue(path, {{QStringLiteral("Другой")}, {QStringLiteral("Третий")}});
    const int updates = host.viewStateUpdates;
    const int closes = host.bookCloses;
    EXPECT_TRUE(cat.SwitchCatalogue(path));
    EXPECT_EQ(cat.Ds().recordCount(), 1);
    EXPECT_EQ(title(), QStringLiteral("Один"));
    EXPECT_EQ(host.viewStateUpdates, updates);
    EXPECT_EQ(host.bookCloses, closes);
}

TEST_F(CatalogueLife, CursorReturnsToTheRowCurrentAtTheLastClose)
{
    const QString path = dir.file(QStringLiteral("marks.bon"));
    writeCatalogue(path, {{QStringLiteral("Альфа")}, {QStringLiteral("Бета")}, {QStringLiteral("Гамма")}});
    ASSERT_TRUE(cat.SwitchCatalogue(path));
    gotoTitle(QStringLiteral("Бета"));
    ASSERT_TRUE(cat.SwitchCatalogue({}));
    EXPECT_EQ(readTitlesAndMarks(path),
              (QStringList{QStringLiteral("Альфа|"), QStringLiteral("Бета|1"), QStringLiteral("Гамма|")}));

    ASSERT_TRUE(cat.SwitchCatalogue(path));
    EXPECT_EQ(title(), QStringLiteral("Бета"));
    EXPECT_EQ(marksOf(cat.Ds()), QStringList());
    EXPECT_EQ(host.position(), QStringLiteral("2/3"));
}

TEST_F(CatalogueLife, SwitchingMarksTheOldCatalogueAndOpensTheNewOne)
{
    const QString a = dir.file(QStringLiteral("a.bon"));
    const QString b = dir.file(QStringLiteral("b.bon"));
    writeCatalogue(a, {{QStringLiteral("А1")}, {QStringLiteral("А2")}});
    writeCatalogue(b, {{QStringLiteral("Б1")}});
    ASSERT_TRUE(cat.SwitchCatalogue(a));
    gotoTitle(QStringLiteral("А2"));
    const int closes = host.bookCloses;
    ASSERT_TRUE(cat.SwitchCatalogue(b));
    EXPECT_EQ(host.bookCloses, closes + 1); // an open book is closed before the switch
    EXPECT_GE(host.filterResets, 1);
    EXPECT_EQ(title(), QStringLiteral("Б1"));
    EXPECT_EQ(readTitlesAndMarks(a), (QStringList{QStringLiteral("А1|"), QStringLiteral("А2|1")}));
    EXPECT_EQ(host.caption, b);
}

TEST_F(CatalogueLife, LeftoverReadingMarksOfACrashAreCleared)
{
    // A program killed while reading leaves "Y" (and perhaps "N") in the file.
    const QString path = dir.file(QStringLiteral("crash.bon"));
    writeCatalogue(path, {{QStringLiteral("Один"), QStringLiteral("N")},
                          {QStringLiteral("Два"), QStringLiteral("Y")},
                          {QStringLiteral("Три"), QStringLiteral("1")},
                          {QStringLiteral("Четыре"), QStringLiteral("Y")}});
    ASSERT_TRUE(cat.SwitchCatalogue(path));
    EXPECT_EQ(marksOf(cat.Ds()), QStringList());
    EXPECT_EQ(title(), QStringLiteral("Три"));
}

TEST_F(CatalogueLife, RememberedSortAppliesOnOpen)
{
    const QString path = dir.file(QStringLiteral("sorted.bon"));
    writeCatalogue(path, {{QStringLiteral("Бета")}, {QStringLiteral("Альфа")}, {QStringLiteral("Гамма")}});
    host.sort = QStringLiteral("d_BookName");
    ASSERT_TRUE(cat.SwitchCatalogue(path));
    cat.Ds().first();
    EXPECT_EQ(title(), QStringLiteral("Гамма"));
    cat.Ds().last();
    EXPECT_EQ(title(), QStringLiteral("Альфа"));
}

TEST_F(CatalogueLife, UnusableFilesAreReportedAndLeftUntouched)
{
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const QString valid = dir.file(QStringLiteral("valid.bon"));
    writeCatalogue(valid, {{QStringLiteral("Один")}, {QStringLiteral("Два")}});
    const QByteArray good = TempDir::read(valid);

    table::Dataset foreign;
    foreign.setFieldDefs({{QStringLiteral("Name"), table::FieldType::String, 20}});
    foreign.createEmpty();
    foreign.saveToFile(dir.file(QStringLiteral("foreign.bon")));

    const std::vector<Case> cases = {
        {"garbage", QByteArray("this is not a catalogue at all")},
        {"truncated", good.left(good.size() / 2)},
        {"one byte changed", QByteArray(good).replace(good.size() - 5, 1, "~")},
        {"empty", QByteArray()},
        {"another table", TempDir::read(dir.file(QStringLiteral("foreign.bon")))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.write(QStringLiteral("bad.bon"), c.bytes);
        ui.expectMessage(Catalogue::accessErrorText(), MessageKind::Error);
        EXPECT_TRUE(cat.SwitchCatalogue(path));
        EXPECT_FALSE(cat.isOpen());
        EXPECT_EQ(cat.fileName(), QString());
        EXPECT_EQ(TempDir::read(path), c.bytes);
        ui.verifyAllConsumed();
    }
}

TEST_F(CatalogueLife, ReadOnlyFileOnAWritableDiskOpensAndBecomesWritable)
{
    const QString path = dir.file(QStringLiteral("ro.bon"));
    writeCatalogue(path, {{QStringLiteral("Один")}});
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    cat.OpenCatalogue(path);
    EXPECT_TRUE(cat.isOpen());
    EXPECT_TRUE(QFileInfo(path).permissions() & QFileDevice::WriteOwner);
}

// A catalogue whose permissions cannot be changed: an immutable file (even root cannot chmod
// it), or for other users a file in a folder they may not write.
class CatalogueCopyOffer : public CatalogueLife {
protected:
    const QString copyCaption = QStringLiteral("Введите директорию для копирования каталога");
    void SetUp() override
    {
        locked = dir.file(QStringLiteral("cd/locked.bon"));
        QDir().mkpath(dir.file(QStringLiteral("cd")));
        writeCatalogue(locked, {{QStringLiteral("С диска")}});
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        if (::geteuid() == 0)
            immutable = setImmutable(locked, true);
        else
            QFile::setPermissions(dir.file(QStringLiteral("cd")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (util::EnsureWritable(locked))
            GTEST_SKIP() << "cannot make a file whose permissions stay fixed here";
    }
    void TearDown() override
    {
        if (immutable)
            setImmutable(locked, false);
        QFile::setPermissions(dir.file(QStringLiteral("cd")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    static bool setImmutable(const QString& path, bool on)
    {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return ok;
    }
    QString locked;
    bool immutable = false;
};

TEST_F(CatalogueCopyOffer, CancellingClosesTheCatalogueThatWasOpen)
{
    const QString earlier = dir.file(QStringLiteral("earlier.bon"));
    writeCatalogue(earlier, {{QStringLiteral("Один")}});
    cat.OpenCatalogue(earlier);
    ASSERT_TRUE(cat.isOpen());

    ui.expectSaveFile(copyCaption, QString());
    cat.OpenCatalogue(locked);
    EXPECT_FALSE(cat.isOpen());
    ui.verifyAllConsumed();
    EXPECT_EQ(readTitlesAndMarks(earlier), QStringList{QStringLiteral("Один|1")});

    cat.OpenCatalogue(earlier);
    EXPECT_TRUE(cat.isOpen());
    EXPECT_EQ(cat.fileName(), earlier);
}

TEST_F(CatalogueCopyOffer, AConfirmedCopyReplacesTheNamedFileAndIsOpened)
{
    const QString copy = dir.write(QStringLiteral("copy.bon"), "old content replaced by the copy");
    ui.expectSaveFile(copyCaption, copy);
    cat.OpenCatalogue(locked);
    ui.verifyAllConsumed();
    ASSERT_TRUE(cat.isOpen());
    EXPECT_EQ(cat.fileName(), copy);
    EXPECT_EQ(cat.Ds().asString(f::BookName), QStringLiteral("С диска"));
    EXPECT_TRUE(QFileInfo(copy).permissions() & QFileDevice::WriteOwner);
    ASSERT_FALSE(ui.prompts().empty());
    EXPECT_TRUE(ui.prompts().front().request.directory.endsWith(QStringLiteral("/locked.bon")));
}

TEST_F(CatalogueCopyOffer, NamingTheLockedFileItselfNeverDeletesIt)
{
    ui.expectSaveFile(copyCaption, locked);
    ui.expectSaveFile(copyCaption, QString()); // offered again; then cancelled
    cat.OpenCatalogue(locked);
    ui.verifyAllConsumed();
    EXPECT_FALSE(cat.isOpen());
    EXPECT_TRUE(QFileInfo::exists(locked));
}

TEST_F(CatalogueLife, NewRowsTakeTheDefaultsThatAreSet)
{
    host.topic = QStringLiteral("Фантастика");
    ASSERT_TRUE(cat.SwitchCatalogue(dir.file(QStringLiteral("d.bon"))));
    cat.Ds().append();
    EXPECT_TRUE(cat.Ds().isNull(f::Author));
    EXPECT_EQ(cat.Ds().asString(f::Topic), QStringLiteral("Фантастика"));
    cat.Ds().cancel();

    host.author = QStringLiteral("Лем");
    cat.Ds().append();
    EXPECT_EQ(cat.Ds().asString(f::Author), QStringLiteral("Лем"));
    cat.Ds().cancel();
}

TEST_F(CatalogueLife, FileCheckMarksMissingFilesOnlyWhileItIsOn)
{
    const QString present = dir.write(QStringLiteral("book.txt"), "text");
    const QString path = dir.file(QStringLiteral("links.bon"));
    writeCatalogue(path, {{QStringLiteral("Есть"), {}, present},
                          {QStringLiteral("Нет"), {}, dir.file(QStringLiteral("missing.txt"))}});
    ASSERT_TRUE(cat.SwitchCatalogue(path));
    const int testField = cat.Ds().fieldIndex(f::TestFile);
    for (int row = 0; row < 2; ++row)
        EXPECT_FALSE(cat.Ds().valueAt(row, testField).isValid()) << row;

    host.fileCheck = true;
    cat.recomputeFileCheck();
    EXPECT_FALSE(cat.Ds().valueAt(0, testField).isValid());
    EXPECT_EQ(cat.Ds().valueAt(1, testField), QVariant(false));
    gotoTitle(QStringLiteral("Нет"));
    EXPECT_EQ(cat.Ds().value(f::TestFile), QVariant(false));

    // Per-row checks pause while row events are off.
    cat.Ds().first();
    cat.setRowEventsOn(false);
    EXPECT_FALSE(cat.Ds().valueAt(1, testField).isValid());
}

TEST_F(CatalogueLife, SaveWritesOnlyWhenNoRowIsBeingEdited)
{
    const QString path = dir.file(QStringLiteral("s.bon"));
    ASSERT_TRUE(cat.SwitchCatalogue(path));
    cat.setRowEventsOn(false);
    cat.Ds().append();
    cat.Ds().setValue(f::BookName, QStringLiteral("Черновик"));
    cat.mSaveClick();
    EXPECT_FALSE(QFileInfo::exists(path));
    cat.Ds().post();
    cat.mSaveClick();
    EXPECT_EQ(readTitlesAndMarks(path), QStringList{QStringLiteral("Черновик|")});
}

TEST_F(CatalogueLife, ChooseCommandOpensTheChosenName)
{
    const QString path = dir.file(QStringLiteral("chosen.bon"));
    ui.expectOpenFile(QStringLiteral("Выберите старый или создайте новый каталог"), path);
    cat.mCatalogClick();
    EXPECT_TRUE(cat.isOpen());
    EXPECT_EQ(cat.fileName(), path);
    ASSERT_EQ(ui.prompts().size(), 1u);
    const auto& request = ui.prompts().front().request;
    EXPECT_FALSE(request.mustExist);
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("bon"));

    ui.expectOpenFile(QStringLiteral("Выберите старый или создайте новый каталог"), QString());
    cat.mCatalogClick(); // cancelled: nothing changes
    EXPECT_EQ(cat.fileName(), path);
    EXPECT_EQ(ui.prompts().back().request.directory, path);
}

} // namespace
} // namespace folianto::test
