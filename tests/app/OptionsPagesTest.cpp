// The options pages run through the page registry: "Размер &части считывания..." in and out,
// Cancel on every page, and what the pages of tags 4 and 5 take and give back.

#include "FormBookFixture.h"
#include "app/options/PartPage.h"
#include "app/options/WorkOptions.h"
#include "util/TFormTopic.h"

#include <QLineEdit>

namespace folianto::test {
namespace {

class PartOptions : public FormBookTest {
protected:
    void SetUp() override
    {
        FormBookTest::SetUp();
        ASSERT_TRUE(start());
    }
    // Runs the page: checks what it shows, types `typed`, answers with `result`.
    void run(const QString& shown, const QString& typed, int result = QDialog::Accepted,
             const std::optional<QString>& error = std::nullopt)
    {
        ui.expectDialog(
            app::PartPage::caption(),
            [&](QDialog& d) {
                auto* topic = qobject_cast<util::TFormTopic*>(&d);
                ASSERT_NE(topic, nullptr);
                EXPECT_EQ(topic->activePage(), QStringLiteral("ShPart"));
                auto* edit = d.findChild<QLineEdit*>(QStringLiteral("EdPart"));
                ASSERT_NE(edit, nullptr);
                EXPECT_EQ(edit->text(), shown);
                edit->setText(typed);
            },
            result);
        if (error)
            ui.expectMessage(*error, MessageKind::Error);
        triggerCommand(*form, "mPart");
    }
};

TEST_F(PartOptions, ThePartSizeIsShownAndTakenInThousands)
{
    struct Case {
        qint32 before;
        QString shown, typed;
        qint32 after;
    };
    const Case cases[] = {
        {1000000, QStringLiteral("1000"), QStringLiteral("250"), 250000},
        {250000, QStringLiteral("250"), QString(), 0},                 // empty: never divided
        {1500, QStringLiteral("1"), QStringLiteral("много"), 0},       // not a number
        {0, QStringLiteral("0"), QStringLiteral(" 64 "), 64000},
        {1000000, QStringLiteral("1000"), QStringLiteral("2147483"), 2147483000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        form->settings().partSize = c.before;
        run(c.shown, c.typed);
        ui.verifyAllConsumed();
        EXPECT_EQ(form->settings().partSize, c.after);
    }
}

TEST_F(PartOptions, AnOverflowingSizeIsAnErrorAndCancelKeepsTheSize)
{
    for (const QString& typed : {QStringLiteral("2147484"), QStringLiteral("99999999999999999999"),
                                 QStringLiteral("-2147484")}) {
        SCOPED_TRACE(typed.toStdString());
        form->settings().partSize = 300000;
        run(QStringLiteral("300"), typed, QDialog::Accepted, app::PartPage::overflowMessage());
        ui.verifyAllConsumed();
        EXPECT_EQ(form->settings().partSize, 300000);
    }
    run(QStringLiteral("300"), QStringLiteral("5"), QDialog::Rejected);
    EXPECT_EQ(form->settings().partSize, 300000);
}

TEST(WorkOptions, TheFilePageTakesItsSettingsAndGivesThemAllBack)
{
    settings::ProgramSettings s;
    s.defaultTopic = QStringLiteral("Проза");
    s.defaultAuthor = QStringLiteral("Чехов");
    s.impDate = true;
    s.extMask = {QStringLiteral("*.txt"), QStringLiteral("*.fb2")};
    s.externalProgram = QStringLiteral("/usr/bin/less");
    const app::FileWorkOptions in = app::fileWorkIn(s);
    EXPECT_EQ(in.topic, s.defaultTopic);
    EXPECT_EQ(in.extMask, s.extMask);
    EXPECT_TRUE(in.impFolder);
    EXPECT_TRUE(in.impDate);

    const app::FileWorkOptions changed{{QStringLiteral("rtf")}, true, QStringLiteral("Блок"), QStringLiteral("Поэзия"),
                                       true, false, true, false, false, QStringLiteral("/opt/viewer"), true};
    settings::ProgramSettings out = s;
    app::fileWorkOut(changed, out);
    EXPECT_EQ(app::fileWorkIn(out), changed);
    EXPECT_EQ(out.partSize, s.partSize); // nothing else moves
}

using TableOptions = PartOptions;

TEST_F(TableOptions, SortEntriesNamingNoFieldAreDroppedOnTheWayIn)
{
    settings::ProgramSettings& s = form->settings();
    s.sortFields = {QStringLiteral("_Author"), QStringLiteral("_Gone"), QStringLiteral("_BookName")};
    s.filterConditions = {QStringLiteral("_Topic = 'Проза'")};
    const QStringList filters = s.filterConditions;
    ui.expectDialog(QStringLiteral("Работа с таблицей"), {}, QDialog::Accepted);
    triggerCommand(*form, "mDefTable");
    ui.verifyAllConsumed();
    EXPECT_EQ(s.sortFields, (QStringList{QStringLiteral("_Author"), QStringLiteral("_BookName")}));
    EXPECT_EQ(s.filterConditions, filters);
    const app::TableWorkOptions in = app::tableWorkIn(s);
    app::tableWorkOut(in, s);
    EXPECT_EQ(s.sortFields, in.sortFields);
}

TEST_F(PartOptions, ARegisteredPageRunsOnItsTagAndCancelCopiesNothing)
{
    // The way the pages of tags 4 and 5 plug in: a runner under the tag.
    int runs = 0;
    form->options().pages().add(4, [&](QWidget*, settings::ProgramSettings& s) {
        ++runs;
        settings::ProgramSettings changed = s;
        changed.defaultAuthor = QStringLiteral("Гоголь");
        return false; // cancelled: `changed` is dropped
    });
    triggerCommand(*form, "mDefFiles");
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(form->settings().defaultAuthor, QString());
    // The table page cancelled leaves its lists as they were.
    form->settings().sortFields = QStringList{QStringLiteral("_Author")};
    ui.expectDialog(QStringLiteral("Работа с таблицей"), {}, QDialog::Rejected);
    triggerCommand(*form, "mDefTable");
    EXPECT_EQ(form->settings().sortFields, QStringList{QStringLiteral("_Author")});
    ui.verifyAllConsumed();
}

} // namespace
} // namespace folianto::test
