#include "reader/SelectionText.h"

namespace folianto::reader {

namespace {

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20 || c == QChar::ParagraphSeparator || c == QChar::LineSeparator
        || c.category() == QChar::Other_Control || c.isSpace();
}

QString trimmedOfControls(const QString& text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && isBlankOrControl(text[from]))
        ++from;
    while (to > from && isBlankOrControl(text[to - 1]))
        --to;
    return text.mid(from, to - from);
}

bool isBreak(QChar c)
{
    return c == u'\t' || c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

} // namespace

QString selectionForField(const QString& selected)
{
    const QString trimmed = trimmedOfControls(selected);
    QString out;
    out.reserve(trimmed.size());
    for (QChar c : trimmed) {
        if (isBreak(c))
            c = u' ';
        if (c == u' ' && out.endsWith(u' '))
            continue;
        out += c;
    }
    return trimmedOfControls(out);
}

QString withCrLf(const QString& text)
{
    QString out;
    out.reserve(text.size() + text.size() / 32);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            out += QStringLiteral("\r\n");
            ++i;
        } else if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            out += QStringLiteral("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace folianto::reader
