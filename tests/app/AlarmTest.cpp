// The alarm clock: the page `ShAlarm` with its key rules, arming only for a time later today,
// and the firing sequence with its sound file, through a fixed clock and recorded sounds.

#include "FormBookFixture.h"
#include "app/alarm/AlarmClock.h"
#include "app/alarm/AlarmPage.h"
#include "app/alarm/UpDown.h"
#include "support/FixedClock.h"
#include "support/RecordingShell.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace folianto::test {
namespace {

// Records the alarm's sounds in order; `playable` says what play() answers.
class RecordingSound : public app::AlarmSound {
public:
    explicit RecordingSound(QStringList& log) : log_(log) {}
    void beep() override { log_.append(QStringLiteral("beep")); }
    void pause(int ms) override { log_.append(QStringLiteral("pause %1").arg(ms)); }
    bool play(const QString& path, std::function<void()> failedLater) override
    {
        log_.append(QStringLiteral("play ") + path);
        failLater = std::move(failedLater);
        return playable;
    }
    bool playable = true;
    std::function<void()> failLater;

private:
    QStringList& log_;
};

QDateTime at(int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2024, 3, 15), QTime(hour, minute, second));
}

void key(QWidget* to, QEvent::Type type, Qt::Key k, const QString& text)
{
    QKeyEvent event(type, k, Qt::NoModifier, text);
    QApplication::sendEvent(to, &event);
}

class Alarm : public FormBookTest {
protected:
    void SetUp() override
    {
        FormBookTest::SetUp();
        ASSERT_TRUE(start());
        auto owned = std::make_unique<RecordingSound>(log);
        sound = owned.get();
        form->alarm().setSound(std::move(owned));
    }
    // Sets the time on the page and answers it with `result`.
    void setOnPage(int hour, int minute, const QString& file, int result = QDialog::Accepted)
    {
        ui.expectDialog(
            app::AlarmPage::caption(),
            [=](QDialog& d) {
                auto* page = d.findChild<app::AlarmPage*>();
                ASSERT_NE(page, nullptr);
                page->EdH()->setText(QString::number(hour));
                page->EdM()->setText(QString::number(minute));
                page->EdAlarm()->setText(file);
            },
            result);
        triggerCommand(*form, "mAlarm");
        ui.verifyAllConsumed();
    }
    QStringList beeps() const
    {
        return {QStringLiteral("beep"), QStringLiteral("pause 300"), QStringLiteral("beep"), QStringLiteral("pause 300"),
                QStringLiteral("beep"), QStringLiteral("pause 300"), QStringLiteral("beep")};
    }
    QString writeFile(const char* name, const QByteArray& bytes)
    {
        const QString path = dir.file(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    void tick() { QMetaObject::invokeMethod(form->alarmTimer(), "timeout", Qt::DirectConnection); }

    FixedClock clock;
    InstalledClock installedClock{clock};
    RecordingShell shell;
    InstalledShell installedShell{shell};
    QStringList log;
    RecordingSound* sound = nullptr;
};

TEST_F(Alarm, OnlyATimeLaterTodayIsArmed)
{
    struct Case {
        QDateTime now;
        int hour, minute;
        bool armed;
    };
    const Case cases[] = {
        {at(10, 15), 10, 15, false}, // not later than now
        {at(10, 15), 10, 16, true},
        {at(10, 15, 59), 10, 16, true},
        {at(23, 0), 0, 30, false}, // tomorrow does not count
        {at(0, 0), 23, 59, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.now.toString().toStdString() + " for " + std::to_string(c.hour) + ":" + std::to_string(c.minute));
        clock.set(c.now);
        setOnPage(c.hour, c.minute, QString());
        EXPECT_EQ(form->alarmTimer()->isActive(), c.armed);
        EXPECT_EQ(form->alarm().hour(), c.hour);
        EXPECT_EQ(form->alarm().minute(), c.minute);
    }
    EXPECT_EQ(form->alarmTimer()->interval(), 60000);
}

TEST_F(Alarm, ThePageShowsTheAlarmAndCancelLeavesItArmedAsItWas)
{
    clock.set(at(9, 0));
    setOnPage(11, 5, QStringLiteral("/music/bell.wav"));
    EXPECT_EQ(form->settings().alarmFile, QStringLiteral("/music/bell.wav"));
    ui.expectDialog(
        app::AlarmPage::caption(),
        [](QDialog& d) {
            auto* page = d.findChild<app::AlarmPage*>();
            EXPECT_EQ(page->EdH()->text(), QStringLiteral("11"));
            EXPECT_EQ(page->EdM()->text(), QStringLiteral("5"));
            EXPECT_EQ(page->EdAlarm()->text(), QStringLiteral("/music/bell.wav"));
            page->UdH()->upButton()->click();
            EXPECT_EQ(page->EdH()->text(), QStringLiteral("12"));
            page->EdM()->setText(QStringLiteral("0"));
            page->UdM()->downButton()->click(); // no wrap below 0
            EXPECT_EQ(page->EdM()->text(), QStringLiteral("0"));
            page->EdAlarm()->clear();
        },
        QDialog::Rejected);
    triggerCommand(*form, "mAlarm");
    ui.verifyAllConsumed();
    EXPECT_TRUE(form->alarmTimer()->isActive());
    EXPECT_EQ(form->alarm().hour(), 11);
    EXPECT_EQ(form->alarm().minute(), 5);
    EXPECT_EQ(form->settings().alarmFile, QStringLiteral("/music/bell.wav"));
}

TEST_F(Alarm, TheHourAndMinuteEditsTakeOnlyDigitsAndForgetValuesAboveTheirLimit)
{
    ui.expectDialog(
        app::AlarmPage::caption(),
        [](QDialog& d) {
            auto* page = d.findChild<app::AlarmPage*>();
            QLineEdit* hour = page->EdH();
            hour->setFocus();
            hour->clear();
            key(hour, QEvent::KeyPress, Qt::Key_A, QStringLiteral("a"));
            key(hour, QEvent::KeyPress, Qt::Key_2, QStringLiteral("2"));
            key(hour, QEvent::KeyRelease, Qt::Key_2, QStringLiteral("2"));
            EXPECT_EQ(hour->text(), QStringLiteral("2"));
            key(hour, QEvent::KeyPress, Qt::Key_5, QStringLiteral("5"));
            EXPECT_EQ(hour->text(), QStringLiteral("25"));
            key(hour, QEvent::KeyRelease, Qt::Key_5, QStringLiteral("5"));
            EXPECT_EQ(hour->text(), QStringLiteral("0"));
            QLineEdit* minute = page->EdM();
            minute->setText(QStringLiteral("59"));
            key(minute, QEvent::KeyRelease, Qt::Key_9, QStringLiteral("9"));
            EXPECT_EQ(minute->text(), QStringLiteral("59"));
            minute->setText(QStringLiteral("60"));
            key(minute, QEvent::KeyRelease, Qt::Key_0, QStringLiteral("0"));
            EXPECT_EQ(minute->text(), QStringLiteral("0"));
        },
        QDialog::Rejected);
    triggerCommand(*form, "mAlarm");
    ui.verifyAllConsumed();
}

TEST_F(Alarm, TheBrowseButtonPutsTheChosenFileIntoTheEdit)
{
    ui.expectDialog(
        app::AlarmPage::caption(),
        [](QDialog& d) { d.findChild<app::AlarmPage*>()->ButAlarm()->click(); }, QDialog::Rejected);
    ui.expectOpenFile(app::AlarmPage::fileDialogCaption(), QStringLiteral("/music/gong.wav"));
    triggerCommand(*form, "mAlarm");
    ui.verifyAllConsumed();
    ASSERT_GE(ui.prompts().size(), 2u);
    EXPECT_EQ(ui.prompts()[1].request.filter, app::AlarmPage::fileDialogFilter());
}

TEST_F(Alarm, ItFiresOnceAtTheFirstTickAtOrAfterItsTime)
{
    const QString wav = writeFile("bell.wav", "RIFF\x24\0\0\0WAVEfmt ");
    clock.set(at(10, 15));
    setOnPage(10, 16, wav);
    clock.set(at(10, 15, 59));
    tick();
    EXPECT_TRUE(log.isEmpty());
    EXPECT_TRUE(form->alarmTimer()->isActive());

    clock.set(at(10, 16, 40));
    ui.expectMessage(app::AlarmClock::message());
    tick();
    ui.verifyAllConsumed();
    EXPECT_EQ(log, beeps() << QStringLiteral("play ") + wav);
    EXPECT_FALSE(form->alarmTimer()->isActive());
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(Alarm, AFileThatCannotBePlayedIsOpenedAndAMissingOrEmptyOneOnlyBeeps)
{
    const QString doc = writeFile("note.txt", "Позвонить!");
    const QString empty = writeFile("empty.wav", {});
    struct Case {
        QString file;
        bool playable;
        QStringList sounds; // after the beeps
        QStringList opened;
    };
    const Case cases[] = {
        {doc, false, {QStringLiteral("play ") + doc}, {doc}},
        {dir.file(QStringLiteral("gone.wav")), true, {}, {}},
        {empty, true, {}, {}},
        {QString(), true, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        log.clear();
        shell.opened.clear();
        sound->playable = c.playable;
        form->settings().alarmFile = c.file;
        ui.expectMessage(app::AlarmClock::message());
        form->alarm().fire();
        ui.verifyAllConsumed();
        EXPECT_EQ(log, beeps() + c.sounds);
        EXPECT_EQ(shell.opened, c.opened);
    }
    // Playing that fails after it started opens the file too.
    const QString wav = writeFile("broken.wav", "RIFF....WAVE");
    form->settings().alarmFile = wav;
    sound->playable = true;
    shell.opened.clear();
    ui.expectMessage(app::AlarmClock::message());
    form->alarm().fire();
    ASSERT_TRUE(sound->failLater);
    sound->failLater();
    EXPECT_EQ(shell.opened, QStringList{wav});
}

TEST_F(Alarm, ItFiresWhileTheWindowIsHidden)
{
    clock.set(at(8, 0));
    setOnPage(8, 1, QString());
    form->hide();
    clock.set(at(8, 1));
    ui.expectMessage(app::AlarmClock::message());
    tick();
    ui.verifyAllConsumed();
    EXPECT_EQ(log, beeps());
    EXPECT_FALSE(form->isVisible()); // the message comes up alone
}

} // namespace
} // namespace folianto::test
