#include "app/settings/ConfBlock.h"
#include "app/settings/QtSettingsStore.h"
#include "app/settings/SettingsError.h"
#include "SettingsFixture.h"

#include <QFileInfo>
#include <QSettings>

using namespace folianto::settings;
using folianto::settings::test::RecordingHost;
using folianto::settings::test::SettingsTest;

namespace {

// QSettings("Tavimar", "Folianto") in a private config folder for the test.
class QtStoreTest : public SettingsTest {
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    }
    QString settingsFile() const { return config.file("Tavimar/Folianto.conf"); }

    folianto::test::TempDir config;
};

} // namespace

TEST_F(QtStoreTest, SettingsSurviveTwoRuns)
{
    ProgramSettings saved;
    {
        QtSettingsStore store;
        RecordingHost run(design);
        EXPECT_EQ(LoadSettings(store, run), "");
        ProgramSettings& s = run.current();
        s.recentCatalog = dir.file("Библиотека.bon");
        s.titleFont = {"Liberation Sans", 9, 204, WinColor(0x00FF8000), StyleItalic};
        s.background = WinColor::window();
        s.geometry = QRect(-4, 0, 1024, 700);
        s.confirmClose = false;
        s.partSize = 65536;
        s.extMask = {"*.txt", "*.докум"};
        s.filterConditions = {"_Topic = 'Сказки'"};
        s.gridColumns[1].visible = false;
        SaveSettings(store, run);
        saved = run.current();
    }
    EXPECT_TRUE(QFileInfo::exists(settingsFile()));

    QtSettingsStore store;
    RecordingHost next(design);
    EXPECT_EQ(LoadSettings(store, next), dir.file("Библиотека.bon"));
    const ProgramSettings& t = next.current();
    EXPECT_EQ(encodeConf(t).toHex(), encodeConf(saved).toHex());
    EXPECT_EQ(t.titleFont, saved.titleFont);
    EXPECT_EQ(t.extMask, saved.extMask);
    EXPECT_EQ(t.filterConditions, saved.filterConditions);
    EXPECT_TRUE(t.sortFields.isEmpty());
    EXPECT_EQ(t.gridColumns, saved.gridColumns);
    EXPECT_EQ(store.readBinary("Conf").size(), ConfSize);
}

TEST_F(QtStoreTest, KindsSurviveTheFile)
{
    {
        QtSettingsStore store;
        store.writeString("text", "42");
        store.writeString("word", "слово");
        store.writeString("empty", "");
        store.writeBinary("bytes", QByteArray("\r\n\0\xff", 4));
        store.writeBinary("nothing", QByteArray());
        store.writeInteger("number", -7);
    }
    QtSettingsStore store;
    EXPECT_EQ(store.readString("word"), "слово");
    EXPECT_EQ(store.readString("empty"), "");
    EXPECT_EQ(store.readBinary("bytes"), QByteArray("\r\n\0\xff", 4));
    EXPECT_EQ(store.readBinary("nothing"), QByteArray());
    EXPECT_EQ(store.readInteger("number"), -7);
    EXPECT_EQ(store.valueKind("bytes"), ValueKind::Binary);
    EXPECT_EQ(store.valueKind("missing"), std::nullopt);

    EXPECT_THROW(store.readBinary("word"), SettingsError);
    EXPECT_THROW(store.readString("bytes"), SettingsError);
    EXPECT_THROW(store.readInteger("word"), SettingsError);
    EXPECT_THROW(store.readInteger("bytes"), SettingsError);
    EXPECT_THROW(store.readString("missing"), SettingsError);

    store.deleteValue("word");
    EXPECT_FALSE(store.valueExists("word"));
}

TEST_F(QtStoreTest, NumbersOutsideThirtyTwoBitsAreNotIntegers)
{
    {
        QSettings raw(settingsFile(), QSettings::IniFormat);
        raw.setValue("big", "99999999999");
        raw.setValue("spaced", " 5");
        raw.setValue("HAOut", "35791395");
    }
    QtSettingsStore store;
    EXPECT_THROW(store.readInteger("big"), SettingsError);
    EXPECT_THROW(store.readInteger("spaced"), SettingsError);
    EXPECT_THROW(loadSettings(store, design), SettingsError); // HAOut × 60 overflows
}

TEST_F(QtStoreTest, DeletedKeyIsGoneForTheNextRun)
{
    {
        QtSettingsStore store;
        loadSettings(store, design);
        store.sync();
        EXPECT_TRUE(store.keyExists());
        store.deleteKey();
        EXPECT_FALSE(store.keyExists());
    }
    EXPECT_FALSE(QFileInfo::exists(settingsFile()));
    QtSettingsStore store;
    EXPECT_FALSE(store.keyExists());
    EXPECT_TRUE(store.valueNames().isEmpty());
}
