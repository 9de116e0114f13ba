#include "util/Urllabel.h"

#include "support/RecordingShell.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

using namespace folianto;
using util::TUrllabel;

namespace {

void mouse(QWidget& w, QEvent::Type type, QPointF at)
{
    QMouseEvent event(type, at, w.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

void click(QWidget& w, QPointF pressAt, QPointF releaseAt)
{
    mouse(w, QEvent::MouseButtonPress, pressAt);
    mouse(w, QEvent::MouseButtonRelease, releaseAt);
}

QColor textColor(const QWidget& w)
{
    return w.palette().color(QPalette::WindowText);
}

} // namespace

TEST(TUrllabel, LooksLikeALinkAndTurnsRedUnderTheMouse)
{
    TUrllabel label(QStringLiteral("http://example.org"));
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(textColor(label), QColor(Qt::blue));

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&label, &enter);
    EXPECT_EQ(textColor(label), QColor(Qt::red));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(textColor(label), QColor(Qt::blue));
}

TEST(TUrllabel, ClickOpensItsOwnTextThroughTheShell)
{
    const struct {
        const char* text;
        const char* opened;
    } cases[] = {
        {"http://example.org/folianto", "http://example.org/folianto"},
        {"www.example.org", "www.example.org"},
        {"author@example.org", "mailto:author@example.org"},
        {"mailto:author@example.org", "mailto:author@example.org"},
    };
    test::RecordingShell shell;
    test::InstalledShell installed(shell);
    for (const auto& c : cases) {
        TUrllabel label(QString::fromUtf8(c.text));
        label.resize(200, 20);
        click(label, QPointF(5, 5), QPointF(6, 6));
        EXPECT_EQ(shell.opened.value(shell.opened.size() - 1), QString::fromUtf8(c.opened)) << c.text;
    }
    EXPECT_EQ(shell.opened.size(), qsizetype(std::size(cases)));
}

TEST(TUrllabel, ReleaseOutsideOrAnEmptyTextOpensNothing)
{
    test::RecordingShell shell;
    test::InstalledShell installed(shell);
    TUrllabel label(QStringLiteral("http://example.org"));
    label.resize(100, 20);
    click(label, QPointF(5, 5), QPointF(150, 5)); // dragged off the label
    TUrllabel empty;
    empty.resize(100, 20);
    click(empty, QPointF(5, 5), QPointF(6, 6));
    EXPECT_TRUE(shell.opened.isEmpty());
}
