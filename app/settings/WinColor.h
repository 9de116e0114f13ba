#pragma once
// A colour as the settings store it: a Windows colour value, 0x00BBGGRR for a plain colour, or a
// system colour (the top bit set, the low byte its index). The 32-bit value is kept as read, so a
// system colour survives a load and a save even though Qt shows it through the palette.

#include <QColor>
#include <QtGlobal>

namespace folianto::settings {

class WinColor {
public:
    constexpr WinColor() = default;
    constexpr explicit WinColor(quint32 value) : value_(value) {}

    // System colours used by the window's design.
    static constexpr WinColor windowText() { return WinColor(0x80000008u); } // text on a window
    static constexpr WinColor window() { return WinColor(0x80000005u); }     // window background
    static constexpr WinColor buttonFace() { return WinColor(0x8000000Fu); }

    static WinColor fromQColor(const QColor& color);
    // The colour the user now sees, keeping `previous` (a system colour, say) when it shows as the
    // same colour, so that an unchanged setting is written back unchanged.
    static WinColor fromQColor(const QColor& color, WinColor previous);

    constexpr quint32 value() const { return value_; }
    constexpr bool isSystem() const { return (value_ & 0x80000000u) != 0; }
    // A plain colour as itself; a system colour through the application palette.
    QColor toQColor() const;

    friend constexpr bool operator==(WinColor a, WinColor b) { return a.value_ == b.value_; }

private:
    quint32 value_ = 0;
};

} // namespace folianto::settings
