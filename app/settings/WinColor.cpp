#include "app/settings/WinColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace folianto::settings {

namespace {

// The palette entry that stands for a Windows system colour index.
QColor systemColor(quint32 index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 5:  return palette.color(QPalette::Base);            // window
    case 8:  return palette.color(QPalette::Text);            // window text
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);          // button face
    case 16: return palette.color(QPalette::Dark);            // button shadow
    case 17: return palette.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18: return palette.color(QPalette::ButtonText);
    case 20: return palette.color(QPalette::Light);           // button highlight
    case 21: return palette.color(QPalette::Shadow);          // 3D dark shadow
    case 22: return palette.color(QPalette::Midlight);        // 3D light
    case 23: return palette.color(QPalette::ToolTipText);     // info text
    case 24: return palette.color(QPalette::ToolTipBase);     // info background
    case 7:  // menu text
    case 9:  // caption text
    case 19: // inactive caption text
        return palette.color(QPalette::WindowText);
    default: return palette.color(QPalette::Window);
    }
}

} // namespace

QColor WinColor::toQColor() const
{
    if (isSystem())
        return systemColor(value_ & 0xFFu);
    return QColor(int(value_ & 0xFFu), int((value_ >> 8) & 0xFFu), int((value_ >> 16) & 0xFFu));
}

WinColor WinColor::fromQColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return WinColor(quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16));
}

WinColor WinColor::fromQColor(const QColor& color, WinColor previous)
{
    if (previous.toQColor().rgb() == color.toRgb().rgb())
        return previous;
    return fromQColor(color);
}

} // namespace folianto::settings
