#include "app/settings/MemorySettingsStore.h"
#include "app/settings/RemoveTraces.h"
#include "app/settings/XdgFileTypeRegistrar.h"
#include "SettingsFixture.h"
#include "support/ScriptedInteraction.h"

#include <QFileInfo>

using namespace folianto::settings;
using folianto::settings::test::RecordingHost;
using folianto::settings::test::SettingsTest;
using folianto::test::Answer;
using folianto::test::InstalledInteraction;
using folianto::test::ScriptedInteraction;

namespace {

const QString Confirmation = QStringLiteral("Удалить Folianto-записи в регистре?");

class RemoveTracesTest : public SettingsTest {
protected:
    FileTypeInfo info() const
    {
        FileTypeInfo i;
        i.executable = "/opt/folianto/folianto";
        return i;
    }
    // One start of the program as far as the settings go: register the type, load.
    void start(RecordingHost& host)
    {
        RegisterFileType(registrar, store, info(), true);
        LoadSettings(store, host);
    }

    folianto::test::TempDir data;
    folianto::test::TempDir system;
    XdgFileTypeRegistrar registrar{data.path(), false, QStringList{system.path()}};
    MemorySettingsStore store;
    ScriptedInteraction ui;
    InstalledInteraction installed{ui};
};

} // namespace

TEST_F(RemoveTracesTest, NoKeepsEverything)
{
    RecordingHost host(design);
    start(host);
    ui.expectQuestion(Confirmation, Answer::No, folianto::util::Question::YesNo);
    bool repainted = false;
    EXPECT_FALSE(removeProgramTraces(registrar, store, info(), [&] { repainted = true; }));
    EXPECT_FALSE(repainted);
    EXPECT_TRUE(store.keyExists());
    EXPECT_TRUE(QFileInfo::exists(registrar.desktopEntryPath(info())));
}

TEST_F(RemoveTracesTest, RemovalThenCloseThenNextStart)
{
    RecordingHost host(design);
    start(host);
    store.writeString("Properties", "");

    ui.expectQuestion(Confirmation, Answer::Yes, folianto::util::Question::YesNo);
    bool repainted = false;
    ASSERT_TRUE(removeProgramTraces(registrar, store, info(), [&] { repainted = true; }));
    EXPECT_TRUE(repainted);
    EXPECT_FALSE(store.keyExists());
    EXPECT_FALSE(QFileInfo::exists(registrar.typePackagePath(info())));
    EXPECT_FALSE(QFileInfo::exists(registrar.extensionPackagePath(info())));
    EXPECT_FALSE(QFileInfo::exists(registrar.desktopEntryPath(info())));

    // The window disables the menu item, and the close saves nothing.
    host.saving = false;
    SaveSettings(store, host);
    EXPECT_FALSE(store.keyExists());

    RecordingHost next(design);
    start(next);
    EXPECT_TRUE(store.keyExists());
    EXPECT_EQ(store.readString("Ind_Name"), "_BookName");
    EXPECT_FALSE(store.valueExists("Conf"));
    EXPECT_FALSE(next.current().propertiesOffered);
    EXPECT_TRUE(QFileInfo::exists(registrar.extensionPackagePath(info())));
    EXPECT_TRUE(QFileInfo::exists(registrar.desktopEntryPath(info())));
}
