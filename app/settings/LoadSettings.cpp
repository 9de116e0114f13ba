#include "app/settings/LoadSettings.h"

#include "app/settings/ConfBlock.h"
#include "app/settings/GridCodec.h"
#include "app/settings/SettingsError.h"
#include "app/settings/SettingsList.h"

#include <QDir>
#include <limits>

namespace folianto::settings {

namespace {

const QString DefaultIndex = QStringLiteral("_BookName");

// A string value, written with `fallback` first when it is missing.
QString stringOrDefault(SettingsStore& store, const QString& name, const QString& fallback)
{
    if (!store.valueExists(name))
        store.writeString(name, fallback);
    return store.readString(name);
}

struct FontName {
    QString value;
    FontSetting ProgramSettings::*font;
};

const FontName FontNames[] = {
    {QStringLiteral("FntNameFast"), &ProgramSettings::fastFont},
    {QStringLiteral("FntNameRich"), &ProgramSettings::richFont},
    {QStringLiteral("FntNameGrid"), &ProgramSettings::gridFont},
    {QStringLiteral("FntNameTitle"), &ProgramSettings::titleFont},
};

struct LegacyCheck {
    QString value;
    bool ProgramSettings::*check;
};

const LegacyCheck LegacyChecks[] = {
    {QStringLiteral("mCase"), &ProgramSettings::caseSensitive},
    {QStringLiteral("mConfirm"), &ProgramSettings::confirmClose},
    {QStringLiteral("mConFile"), &ProgramSettings::warnSimilarLink},
    {QStringLiteral("mTestFile"), &ProgramSettings::testFile},
    {QStringLiteral("mShowStatus"), &ProgramSettings::showStatus},
    {QStringLiteral("mFull"), &ProgramSettings::fullScreen},
};

struct StoredList {
    QString value;
    QStringList ProgramSettings::*list;
};

const StoredList Lists[] = {
    {QStringLiteral("FStrExt"), &ProgramSettings::extMask},
    {QStringLiteral("FStrSort"), &ProgramSettings::sortFields},
    {QStringLiteral("FStrFilt"), &ProgramSettings::filterConditions},
};

// The values of older versions: each is applied once and deleted.
void takeLegacyValues(SettingsStore& store, ProgramSettings& s)
{
    for (const LegacyCheck& legacy : LegacyChecks) {
        if (store.valueExists(legacy.value)) {
            s.*legacy.check = store.readInteger(legacy.value) != 0;
            store.deleteValue(legacy.value);
        } else if (legacy.check == &ProgramSettings::fullScreen) {
            s.fullScreen = false;
        }
    }

    const QString haOut = QStringLiteral("HAOut");
    if (store.valueExists(haOut)) {
        const qint64 seconds = qint64(store.readInteger(haOut)) * 60;
        if (seconds > std::numeric_limits<qint32>::max() || seconds < std::numeric_limits<qint32>::min())
            throw SettingsError(
                QStringLiteral("Значение «HAOut» в настройках слишком велико."));
        s.haTimeout = qint32(seconds);
        store.deleteValue(haOut);
    } else {
        s.haTimeout = 300;
    }

    const QString fscan = QStringLiteral("Fscan");
    if (store.valueExists(fscan)) {
        s.fscan = store.readInteger(fscan) != 0;
        store.deleteValue(fscan);
    } else {
        s.fscan = false;
    }
}

// `Conf`, else the older `Config`, else the design values stay.
void takeBlocks(SettingsStore& store, ProgramSettings& s)
{
    const QString conf = QStringLiteral("Conf");
    const QString config = QStringLiteral("Config");
    if (store.valueExists(conf)) {
        decodeConf(store.readBinary(conf), s, conf);
        store.deleteValue(config);
        return;
    }
    if (!store.valueExists(config))
        return;
    const QList<qint32> widths = decodeConfig(store.readBinary(config), s, config);
    s.impExt = s.impFolder = s.impPath = s.impDate = s.arc = false;
    if (!store.valueExists(QStringLiteral("Grid"))) {
        for (qsizetype i = 0; i < widths.size() && i < s.gridColumns.size(); ++i)
            s.gridColumns[i].width = widths[i];
    }
    store.deleteValue(config);
}

void writeList(SettingsStore& store, const QString& name, const QStringList& entries)
{
    if (entries.isEmpty())
        store.deleteValue(name);
    else
        store.writeBinary(name, encodeList(entries));
}

} // namespace

ProgramSettings loadSettings(SettingsStore& store, const ProgramSettings& design)
{
    ProgramSettings s = design;
    store.openKey();

    s.recentCatalog = stringOrDefault(store, QStringLiteral("Recent_Catalog"), {});
    s.recentDir = stringOrDefault(store, QStringLiteral("Recent_Dir"), design.recentDir);
    if (!s.recentDir.isEmpty())
        QDir::setCurrent(s.recentDir); // a folder that has gone is no reason to stop

    s.substPath = stringOrDefault(store, QStringLiteral("Subst_Path"), {});
    s.externalProgram = stringOrDefault(store, QStringLiteral("FProg"), {});
    s.alarmFile = stringOrDefault(store, QStringLiteral("FAlarm"), {});

    s.indexName = stringOrDefault(store, QStringLiteral("Ind_Name"), DefaultIndex);
    if (s.indexName.isEmpty())
        s.indexName = DefaultIndex;

    for (const FontName& f : FontNames) {
        if (!store.valueExists(f.value))
            store.writeString(f.value, (design.*f.font).name);
    }
    for (const FontName& f : FontNames)
        (s.*f.font).name = store.readString(f.value);

    s.defaultAuthor = stringOrDefault(store, QStringLiteral("FDef_Author"), {});
    s.defaultTopic = stringOrDefault(store, QStringLiteral("FDef_Topic"), {});
    // Kept apart from the `Conf` block, whose layout older stores share; absent means on.
    const QString fb2Desc = QStringLiteral("ChFb2Desc");
    s.fb2Description = !store.valueExists(fb2Desc) || store.readInteger(fb2Desc) != 0;

    takeLegacyValues(store, s);
    s.propertiesOffered = store.valueExists(QStringLiteral("Properties"));
    takeBlocks(store, s);

    const QString grid = QStringLiteral("Grid");
    if (store.valueExists(grid)) {
        const QByteArray bytes = store.readBinary(grid);
        if (!bytes.isEmpty())
            s.gridColumns = decodeGrid(bytes).value_or(design.gridColumns);
    }

    for (const StoredList& list : Lists) {
        if (!store.valueExists(list.value))
            continue;
        const QByteArray bytes = store.readBinary(list.value);
        if (!bytes.isEmpty())
            s.*list.list = decodeList(bytes);
    }
    return s;
}

void saveSettings(SettingsStore& store, const ProgramSettings& s)
{
    store.openKey();
    store.writeBinary(QStringLiteral("Conf"), encodeConf(s));
    store.writeString(QStringLiteral("Recent_Catalog"), s.recentCatalog);
    store.writeString(QStringLiteral("Recent_Dir"), s.recentDir);
    store.writeString(QStringLiteral("Subst_Path"), s.substPath);
    store.writeString(QStringLiteral("Ind_Name"), s.indexName);
    store.writeString(QStringLiteral("FProg"), s.externalProgram);
    store.writeString(QStringLiteral("FAlarm"), s.alarmFile);
    for (const FontName& f : FontNames)
        store.writeString(f.value, (s.*f.font).name);
    store.writeString(QStringLiteral("FDef_Author"), s.defaultAuthor);
    store.writeString(QStringLiteral("FDef_Topic"), s.defaultTopic);
    store.writeInteger(QStringLiteral("ChFb2Desc"), s.fb2Description ? 1 : 0);
    const QByteArray grid = encodeGrid(s.gridColumns);
    if (!grid.isEmpty())
        store.writeBinary(QStringLiteral("Grid"), grid);
    for (const StoredList& list : Lists)
        writeList(store, list.value, s.*list.list);
}

QString LoadSettings(SettingsStore& store, SettingsHost& host)
{
    const ProgramSettings s = loadSettings(store, host.designSettings());
    host.applySettings(s);
    return s.recentCatalog;
}

void SaveSettings(SettingsStore& store, const SettingsHost& host)
{
    if (!host.savingEnabled())
        return;
    ProgramSettings s = host.currentSettings();
    s.recentDir = QDir::toNativeSeparators(QDir::currentPath());
    saveSettings(store, s);
}

} // namespace folianto::settings
