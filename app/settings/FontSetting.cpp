#include "app/settings/ProgramSettings.h"

namespace folianto::settings {

QFont FontSetting::toQFont() const
{
    QFont font(name);
    if (size > 0) // a stored size is applied as it is, but Qt has no font of zero or fewer points
        font.setPointSize(size);
    font.setBold(style & StyleBold);
    font.setItalic(style & StyleItalic);
    font.setUnderline(style & StyleUnderline);
    font.setStrikeOut(style & StyleStrikeOut);
    return font;
}

void FontSetting::takeFont(const QFont& font)
{
    name = font.family();
    if (font.pointSize() > 0)
        size = font.pointSize();
    style = quint8((font.bold() ? StyleBold : 0) | (font.italic() ? StyleItalic : 0)
                   | (font.underline() ? StyleUnderline : 0) | (font.strikeOut() ? StyleStrikeOut : 0));
}

} // namespace folianto::settings
