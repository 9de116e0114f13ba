#include "app/settings/WinColor.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

using namespace folianto::settings;

TEST(WinColor, PlainColoursAreBgrAndComeBackUnchanged)
{
    EXPECT_EQ(WinColor(0x00332211).toQColor(), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(WinColor::fromQColor(QColor(0x11, 0x22, 0x33)).value(), 0x00332211u);
    for (quint32 v : {0x00000000u, 0x00FFFFFFu, 0x000000FFu, 0x00FF0000u, 0x0080FF40u})
        EXPECT_EQ(WinColor::fromQColor(WinColor(v).toQColor()).value(), v);
}

TEST(WinColor, SystemColoursShowThroughThePaletteAndKeepTheirValue)
{
    const WinColor text = WinColor::windowText();
    EXPECT_TRUE(text.isSystem());
    EXPECT_EQ(text.toQColor(), QGuiApplication::palette().color(QPalette::Text));
    EXPECT_EQ(WinColor::window().toQColor(), QGuiApplication::palette().color(QPalette::Base));

    // Unchanged on screen: the system colour is kept.
    EXPECT_EQ(WinColor::fromQColor(text.toQColor(), text), text);
    // Changed by the user: the new plain colour.
    QColor other = text.toQColor() == Qt::red ? QColor(Qt::green) : QColor(Qt::red);
    const WinColor changed = WinColor::fromQColor(other, text);
    EXPECT_FALSE(changed.isSystem());
    EXPECT_EQ(changed.toQColor(), other);
}
