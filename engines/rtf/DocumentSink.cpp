#include "engines/rtf/DocumentSink.h"

#include <QTextBlockFormat>
#include <QTextDocument>

namespace folianto::rtf {

DocumentSink::DocumentSink(QTextDocument& document) : cursor_(&document)
{
    cursor_.beginEditBlock();
}

DocumentSink::~DocumentSink()
{
    cursor_.endEditBlock();
}

void DocumentSink::text(const QString& run, const CharStyle& style)
{
    cursor_.insertText(run, formatOf(style));
}

void DocumentSink::paragraphEnd(Alignment alignment)
{
    align(alignment);
    cursor_.insertBlock(QTextBlockFormat(), QTextCharFormat());
}

void DocumentSink::finish(Alignment alignment)
{
    align(alignment);
}

void DocumentSink::align(Alignment alignment)
{
    Qt::Alignment flags = Qt::AlignLeft;
    switch (alignment) {
    case Alignment::Left: flags = Qt::AlignLeft; break;
    case Alignment::Center: flags = Qt::AlignHCenter; break;
    case Alignment::Right: flags = Qt::AlignRight; break;
    case Alignment::Justify: flags = Qt::AlignJustify; break;
    }
    QTextBlockFormat format = cursor_.blockFormat();
    if (format.alignment() != flags) {
        format.setAlignment(flags);
        cursor_.setBlockFormat(format);
    }
}

const QTextCharFormat& DocumentSink::formatOf(const CharStyle& style)
{
    if (style == lastStyle_ && lastFormat_.isValid())
        return lastFormat_;
    QTextCharFormat f;
    if (!style.family.isEmpty())
        f.setFontFamilies(QStringList{style.family});
    if (style.bold)
        f.setFontWeight(QFont::Bold);
    if (style.italic)
        f.setFontItalic(true);
    if (style.underline)
        f.setFontUnderline(true);
    if (style.strike)
        f.setFontStrikeOut(true);
    if (style.halfPoints > 0)
        f.setFontPointSize(style.halfPoints / 2.0);
    if (style.color.isValid())
        f.setForeground(style.color);
    lastStyle_ = style;
    lastFormat_ = f;
    return lastFormat_;
}

} // namespace folianto::rtf
