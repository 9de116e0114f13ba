#include "app/settings/ConfBlock.h"
#include "app/settings/GridCodec.h"
#include "app/settings/MemorySettingsStore.h"
#include "app/settings/SettingsError.h"
#include "app/settings/SettingsList.h"
#include "SettingsFixture.h"

#include <QDir>

using namespace folianto::settings;
using folianto::settings::test::RecordingHost;
using folianto::settings::test::SettingsTest;

namespace {

QByteArray confWith(void (*change)(ProgramSettings&))
{
    ProgramSettings s;
    change(s);
    return encodeConf(s);
}

} // namespace

TEST_F(SettingsTest, FirstStartWritesTheStringDefaultsOnly)
{
    MemorySettingsStore store;
    ASSERT_FALSE(store.keyExists());
    const ProgramSettings s = loadSettings(store, design);

    EXPECT_TRUE(store.keyExists());
    QStringList names = store.valueNames();
    names.sort();
    EXPECT_EQ(names, (QStringList{"FAlarm", "FDef_Author", "FDef_Topic", "FProg", "FntNameFast",
                                  "FntNameGrid", "FntNameRich", "FntNameTitle", "Ind_Name",
                                  "Recent_Catalog", "Recent_Dir", "Subst_Path"}));
    EXPECT_EQ(store.readString("Ind_Name"), "_BookName");
    EXPECT_EQ(store.readString("Recent_Catalog"), "");
    EXPECT_EQ(store.readString("Recent_Dir"), design.recentDir);
    EXPECT_EQ(store.readString("FntNameFast"), "Courier New");
    EXPECT_EQ(store.readString("FntNameTitle"), "MS Sans Serif");

    EXPECT_EQ(encodeConf(s).toHex(), encodeConf(design).toHex());
    EXPECT_EQ(s.gridColumns, design.gridColumns);
    EXPECT_FALSE(s.propertiesOffered);
    EXPECT_TRUE(s.fb2Description);
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(dir.path()).canonicalPath());
}

TEST_F(SettingsTest, LegacyConfirmOffSurvivesAsConfByte)
{
    MemorySettingsStore store;
    store.writeInteger("mConfirm", 0);
    ProgramSettings s = loadSettings(store, design);
    EXPECT_FALSE(s.confirmClose);
    EXPECT_FALSE(store.valueExists("mConfirm"));

    saveSettings(store, s);
    EXPECT_EQ(store.readBinary("Conf").at(90), 0);
    EXPECT_FALSE(loadSettings(store, design).confirmClose);
}

TEST_F(SettingsTest, LegacyValuesAreAppliedAndDeleted)
{
    MemorySettingsStore store;
    store.writeInteger("mCase", 0);
    store.writeInteger("mConFile", 0);
    store.writeInteger("mTestFile", 5);
    store.writeInteger("mShowStatus", 0);
    store.writeInteger("mFull", 1);
    store.writeInteger("HAOut", 7);
    store.writeInteger("Fscan", 1);
    const ProgramSettings s = loadSettings(store, design);
    EXPECT_FALSE(s.caseSensitive);
    EXPECT_FALSE(s.warnSimilarLink);
    EXPECT_TRUE(s.testFile);
    EXPECT_FALSE(s.showStatus);
    EXPECT_TRUE(s.fullScreen);
    EXPECT_EQ(s.haTimeout, 420);
    EXPECT_TRUE(s.fscan);
    EXPECT_TRUE(s.confirmClose); // no legacy value: the design check stays
    for (const char* name : {"mCase", "mConfirm", "mConFile", "mTestFile", "mShowStatus", "mFull",
                             "HAOut", "Fscan"})
        EXPECT_FALSE(store.valueExists(name)) << name;

    // Without mFull the full-screen check is cleared, without HAOut the time-out is 300 s.
    ProgramSettings fullDesign = design;
    fullDesign.fullScreen = true;
    fullDesign.haTimeout = 10;
    MemorySettingsStore empty;
    const ProgramSettings plain = loadSettings(empty, fullDesign);
    EXPECT_FALSE(plain.fullScreen);
    EXPECT_EQ(plain.haTimeout, 300);
}

TEST_F(SettingsTest, HaOutThatOverflowsInSecondsIsAnError)
{
    const struct {
        qint32 minutes;
        bool fails;
    } cases[] = {{35791394, false}, {35791395, true}, {-35791394, false}, {-35791395, true},
                 {std::numeric_limits<qint32>::max(), true}};
    for (const auto& c : cases) {
        MemorySettingsStore store;
        store.writeInteger("HAOut", c.minutes);
        if (c.fails) {
            EXPECT_THROW(loadSettings(store, design), SettingsError) << c.minutes;
        } else {
            EXPECT_EQ(loadSettings(store, design).haTimeout, qint64(c.minutes) * 60);
        }
    }
}

TEST_F(SettingsTest, ValuesOfTheWrongKindAreErrors)
{
    const struct {
        const char* name;
        void (*put)(MemorySettingsStore&, const QString&);
    } cases[] = {
        {"Recent_Catalog", [](MemorySettingsStore& s, const QString& n) { s.writeBinary(n, "x"); }},
        {"FntNameGrid", [](MemorySettingsStore& s, const QString& n) { s.writeInteger(n, 3); }},
        {"mCase", [](MemorySettingsStore& s, const QString& n) { s.writeString(n, "1"); }},
        {"HAOut", [](MemorySettingsStore& s, const QString& n) { s.putOther(n, 1.5); }},
        {"Conf", [](MemorySettingsStore& s, const QString& n) { s.writeString(n, "conf"); }},
        {"Config", [](MemorySettingsStore& s, const QString& n) { s.writeInteger(n, 0); }},
        {"Grid", [](MemorySettingsStore& s, const QString& n) { s.writeString(n, "grid"); }},
        {"FStrExt", [](MemorySettingsStore& s, const QString& n) { s.putOther(n, QStringList{"a"}); }},
        {"Conf", [](MemorySettingsStore& s, const QString& n) { s.writeBinary(n, QByteArray(117, 0)); }},
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        c.put(store, QString::fromLatin1(c.name));
        try {
            loadSettings(store, design);
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const SettingsError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromLatin1(c.name))) << e.message().toStdString();
        }
    }
}

TEST_F(SettingsTest, PropertiesOfAnyKindOffersTheMenuItem)
{
    MemorySettingsStore store;
    store.putOther("Properties", QStringList{"anything"});
    EXPECT_TRUE(loadSettings(store, design).propertiesOffered);
    EXPECT_TRUE(store.valueExists("Properties"));
}

TEST_F(SettingsTest, ConfWinsOverConfigAndConfigIsDeleted)
{
    MemorySettingsStore store;
    store.writeBinary("Conf", confWith([](ProgramSettings& s) { s.partSize = 4242; s.showBar = false; }));
    QByteArray config(ConfigSize, '\0');
    config[96] = 7; // PartSize 7
    config[52] = 1;
    store.writeBinary("Config", config);

    const ProgramSettings s = loadSettings(store, design);
    EXPECT_EQ(s.partSize, 4242);
    EXPECT_FALSE(s.showBar);
    EXPECT_FALSE(store.valueExists("Config"));
    EXPECT_TRUE(store.valueExists("Conf"));
}

TEST_F(SettingsTest, ConfigWithoutGridSetsTheColumnWidths)
{
    QByteArray config(ConfigSize, '\0');
    config[56] = 111;
    config[60] = 112;
    config[64] = 113;
    config[68] = 114; // a fourth width for a grid of three columns is ignored
    config[96] = 0x10;

    MemorySettingsStore store;
    store.writeInteger("HAOut", 2);
    store.writeBinary("Config", config);
    ProgramSettings withOptions = design;
    withOptions.impFolder = withOptions.impExt = true;
    const ProgramSettings s = loadSettings(store, withOptions);
    ASSERT_EQ(s.gridColumns.size(), 3);
    EXPECT_EQ(s.gridColumns[0].width, 111);
    EXPECT_EQ(s.gridColumns[1].width, 112);
    EXPECT_EQ(s.gridColumns[2].width, 113);
    EXPECT_EQ(s.partSize, 0x10);
    EXPECT_EQ(s.haTimeout, 120);
    EXPECT_FALSE(s.impFolder);
    EXPECT_FALSE(s.impExt);
    EXPECT_FALSE(store.valueExists("Config"));

    // With a Grid value the stored columns win.
    QList<GridColumn> columns = design.gridColumns;
    columns[0].width = 999;
    MemorySettingsStore withGrid;
    withGrid.writeBinary("Config", config);
    withGrid.writeBinary("Grid", encodeGrid(columns));
    EXPECT_EQ(loadSettings(withGrid, design).gridColumns, columns);
}

TEST_F(SettingsTest, GridThatCannotBeDecodedGivesTheDefaultColumns)
{
    QList<GridColumn> reordered{design.gridColumns[2], design.gridColumns[0]};
    const struct {
        QByteArray grid;
        QList<GridColumn> expected;
    } cases[] = {
        {encodeGrid(reordered), reordered},
        {QByteArray("TPF0\x0bTDBGridColumns", 19), design.gridColumns},
        {encodeGrid(reordered).left(20), design.gridColumns},
        {QByteArray(), design.gridColumns},
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        store.writeBinary("Grid", c.grid);
        EXPECT_EQ(loadSettings(store, design).gridColumns, c.expected);
    }
}

TEST_F(SettingsTest, ListsAreReadAndAnEmptiedListIsDeletedAtSave)
{
    MemorySettingsStore store;
    store.writeBinary("FStrExt", encodeList({"*.txt", "*.rtf"}));
    store.writeBinary("FStrSort", "_Author\n_BookName");
    store.writeBinary("FStrFilt", QByteArray());
    ProgramSettings design2 = design;
    design2.filterConditions = {"kept"};
    ProgramSettings s = loadSettings(store, design2);
    EXPECT_EQ(s.extMask, (QStringList{"*.txt", "*.rtf"}));
    EXPECT_EQ(s.sortFields, (QStringList{"_Author", "_BookName"}));
    EXPECT_EQ(s.filterConditions, QStringList{"kept"}); // an empty value leaves the list alone

    s.extMask.clear();
    saveSettings(store, s);
    EXPECT_FALSE(store.valueExists("FStrExt"));
    EXPECT_EQ(store.readBinary("FStrSort"), QByteArray("_Author\r\n_BookName\r\n"));
    EXPECT_EQ(store.readBinary("FStrFilt"), QByteArray("kept\r\n"));
}

TEST_F(SettingsTest, EmptyIndexNameCountsAsTitle)
{
    MemorySettingsStore store;
    store.writeString("Ind_Name", "");
    EXPECT_EQ(loadSettings(store, design).indexName, "_BookName");
}

TEST_F(SettingsTest, MissingRecentFolderIsIgnored)
{
    MemorySettingsStore store;
    store.writeString("Recent_Dir", dir.file("gone"));
    const QString before = QDir::currentPath();
    EXPECT_NO_THROW(loadSettings(store, design));
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST_F(SettingsTest, SavedSettingsComeBackAtTheNextLoad)
{
    MemorySettingsStore store;
    RecordingHost first(design);
    EXPECT_EQ(LoadSettings(store, first), "");
    EXPECT_EQ(first.applied, 1);

    ProgramSettings& s = first.current();
    s.recentCatalog = "/книги/мой.bon";
    s.substPath = "D:\\";
    s.externalProgram = "/usr/bin/xdg-open";
    s.alarmFile = "/tmp/ring.wav";
    s.indexName = "d_Author";
    s.defaultAuthor = "Лесков";
    s.defaultTopic = "Проза";
    s.fastFont = {"DejaVu Sans Mono", 13, 204, WinColor(0x00102030), StyleBold | StyleUnderline};
    s.titleFont.name = "Liberation Sans";
    s.background = WinColor(0x00E0F0FF);
    s.geometry = QRect(5, 6, 700, 500);
    s.showBar = false;
    s.fastRead = true;
    s.haTimeout = 45;
    s.partSize = 250000;
    s.exportDelimiter = '|';
    s.arc = true;
    s.fb2Description = false;
    s.gridColumns.removeFirst();
    s.extMask = {"*.fb2"};
    s.sortFields = {"_Topic", "_BookName"};
    SaveSettings(store, first);
    EXPECT_EQ(store.readString("Recent_Dir"), QDir::toNativeSeparators(QDir::currentPath()));

    RecordingHost second(design);
    EXPECT_EQ(LoadSettings(store, second), "/книги/мой.bon");
    const ProgramSettings& t = second.current();
    EXPECT_EQ(encodeConf(t).toHex(), encodeConf(s).toHex());
    EXPECT_EQ(t.fastFont, s.fastFont);
    EXPECT_EQ(t.titleFont.name, "Liberation Sans");
    for (auto field : {&ProgramSettings::substPath, &ProgramSettings::externalProgram,
                       &ProgramSettings::alarmFile, &ProgramSettings::indexName,
                       &ProgramSettings::defaultAuthor, &ProgramSettings::defaultTopic})
        EXPECT_EQ(t.*field, s.*field);
    EXPECT_EQ(t.gridColumns, s.gridColumns);
    EXPECT_EQ(t.extMask, s.extMask);
    EXPECT_FALSE(t.fb2Description);
    EXPECT_EQ(t.sortFields, s.sortFields);
    EXPECT_TRUE(t.filterConditions.isEmpty());
}

TEST_F(SettingsTest, NothingIsSavedOnceSavingIsDisabled)
{
    MemorySettingsStore store;
    RecordingHost host(design);
    host.saving = false;
    SaveSettings(store, host);
    EXPECT_FALSE(store.keyExists());
    EXPECT_TRUE(store.valueNames().isEmpty());
}
