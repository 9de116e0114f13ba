// "&X-Files..." keeps the archive password in memory; "Время &HA-распаковки..." sets the HA
// time-out in minutes; removing the program's traces stops the saving of settings.

#include "FormBookFixture.h"
#include "app/TFormCommon.h"
#include "app/settings/MemorySettingsStore.h"
#include "app/settings/RemoveTraces.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace folianto::test {
namespace {

using app::TFormBook;

void press(QWidget* widget, Qt::Key key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class SettingsCommands : public FormBookTest {
protected:
    void SetUp() override
    {
        FormBookTest::SetUp();
        ASSERT_TRUE(start());
    }
};

TEST_F(SettingsCommands, ThePasswordBoxShowsStarsTakesTwentyCharactersAndKeepsTheAnswerOnOkOnly)
{
    ui.expectDialog(QStringLiteral("X-Files"), [](QDialog& d) {
        auto* edit = d.findChild<QLineEdit*>(QStringLiteral("EdPas"));
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
        EXPECT_TRUE(edit->text().isEmpty());
        edit->insert(QStringLiteral("секрет-секрет-секрет-лишнее"));
        press(edit, Qt::Key_Return); // Enter is OK
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    triggerCommand(*form, "mX");
    EXPECT_EQ(form->options().archivePassword(), QStringLiteral("секрет-секрет-секрет"));

    // The box opens with the password held; Cancel (Escape) keeps it.
    ui.expectDialog(QStringLiteral("X-Files"), [](QDialog& d) {
        auto* edit = d.findChild<QLineEdit*>(QStringLiteral("EdPas"));
        EXPECT_EQ(edit->text(), QStringLiteral("секрет-секрет-секрет"));
        edit->setText(QStringLiteral("другой"));
        press(edit, Qt::Key_Escape);
        EXPECT_EQ(d.result(), QDialog::Rejected);
    });
    triggerCommand(*form, "mX");
    EXPECT_EQ(form->options().archivePassword(), QStringLiteral("секрет-секрет-секрет"));
    ui.verifyAllConsumed();
}

TEST_F(SettingsCommands, TheTimeOutIsAskedInMinutesAndOnlyValuesFromOneOnAreTaken)
{
    struct Case {
        int beforeSeconds;
        std::optional<QString> answer; // nullopt: Cancel
        QString prefill;
        int afterSeconds;
    };
    const Case cases[] = {
        {300, QStringLiteral("7"), QStringLiteral("5"), 420},
        {90, QStringLiteral(" 3 "), QStringLiteral("2"), 180}, // 1.5 minutes shown rounded
        {300, QStringLiteral("0"), QStringLiteral("5"), 300},
        {300, QStringLiteral("-4"), QStringLiteral("5"), 300},
        {300, QStringLiteral("много"), QStringLiteral("5"), 300}, // not a number: the prefill
        {300, QStringLiteral("40000000"), QStringLiteral("5"), 300},
        {300, std::nullopt, QStringLiteral("5"), 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.value_or(QStringLiteral("<cancel>")).toStdString());
        form->settings().haTimeout = c.beforeSeconds;
        ui.expectInput(app::OptionsCommands::haTimeoutCaption(), app::OptionsCommands::haTimeoutPrompt(), c.answer, c.prefill);
        triggerCommand(*form, "mOut");
        EXPECT_EQ(form->settings().haTimeout, c.afterSeconds);
        ui.verifyAllConsumed();
    }
}

// Records what the removal asked of the file type.
class RecordingRegistrar : public settings::FileTypeRegistrar {
public:
    bool registerType(const settings::FileTypeInfo&) override { return true; }
    bool removeType(const settings::FileTypeInfo&) override
    {
        ++removals;
        return true;
    }
    int removals = 0;
};

using TracesCommand = FormBookTest;

TEST_F(TracesCommand, RemovingTheTracesDisablesTheCommandAndSkipsSavingAtClose)
{
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        settings::MemorySettingsStore store;
        store.openKey();
        store.writeString(QStringLiteral("Recent_Catalog"), QStringLiteral("x.bon"));
        RecordingRegistrar registrar;
        int repaints = 0;
        removeTraces = [&](const std::function<void()>& repaint) {
            return settings::removeProgramTraces(registrar, store, settings::FileTypeInfo(), [&] {
                ++repaints;
                repaint();
            });
        };
        ASSERT_TRUE(start());
        ui.expectQuestion(QStringLiteral("Удалить Folianto-записи в регистре?"), answer);
        form->command(QStringLiteral("mRegistry"))->trigger();
        const bool removed = answer == Answer::Yes;
        EXPECT_EQ(form->command(QStringLiteral("mRegistry"))->isEnabled(), !removed);
        EXPECT_EQ(registrar.removals, removed ? 1 : 0);
        EXPECT_EQ(repaints, removed ? 1 : 0);
        EXPECT_EQ(store.keyExists(), !removed);
        // Saving at close writes nothing back into a removed key.
        settings::SaveSettings(store, *settingsHost);
        EXPECT_EQ(store.keyExists(), !removed);
        ui.verifyAllConsumed();
        form.reset();
    }
}

} // namespace
} // namespace folianto::test
