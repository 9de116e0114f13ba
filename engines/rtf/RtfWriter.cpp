#include "engines/rtf/RtfWriter.h"

#include "engines/codepage/CodePages.h"

#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>

namespace folianto::rtf {

namespace {

void appendEscaped(QByteArray& out, QStringView text)
{
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(c);
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c == 0x2028 || c == 0x2029) {
            out += "\\line ";
        } else if (c == 0x00A0) {
            out += "\\~";
        } else if (c < 0x20) {
            continue;
        } else if (c < 0x80) {
            out += char(c);
        } else {
            const QByteArray win = codepage::toCp1251(QStringView(&c, 1));
            if (win != "?") {
                out += "\\'" + win.toHex();
            } else {
                out += "\\u" + QByteArray::number(int(qint16(c))) + '?';
            }
        }
    }
}

const char* alignmentWord(Qt::Alignment alignment)
{
    const Qt::Alignment h = alignment & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignHCenter)
        return "\\qc";
    if (h & Qt::AlignJustify)
        return "\\qj";
    if (h & (Qt::AlignRight | Qt::AlignTrailing))
        return "\\qr";
    return "\\ql";
}

// The font and colour tables, filled as the body is written.
class Tables {
public:
    explicit Tables(const QString& defaultFamily) { families_ << defaultFamily; }

    int fontOf(const QTextCharFormat& f)
    {
        const QStringList families = f.fontFamilies().toStringList();
        if (families.isEmpty() || families.first().isEmpty())
            return 0;
        return indexIn(families_, families.first());
    }

    int colorOf(const QTextCharFormat& f)
    {
        if (!f.hasProperty(QTextFormat::ForegroundBrush))
            return 0;
        const QColor c = f.foreground().color();
        if (!c.isValid())
            return 0;
        return indexIn(colors_, c) + 1;
    }

    QByteArray header() const
    {
        QByteArray out = "{\\fonttbl";
        for (int i = 0; i < families_.size(); ++i) {
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset204 ";
            QString name = families_[i];
            appendEscaped(out, name.remove(u';'));
            out += ";}";
        }
        out += "}\n{\\colortbl;";
        for (const QColor& c : colors_)
            out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green())
                + "\\blue" + QByteArray::number(c.blue()) + ';';
        out += "}\n";
        return out;
    }

private:
    template <typename T>
    static int indexIn(QList<T>& list, const T& value)
    {
        const qsizetype at = list.indexOf(value);
        if (at >= 0)
            return int(at);
        list.append(value);
        return int(list.size() - 1);
    }

    QStringList families_;
    QList<QColor> colors_;
};

void appendFragment(QByteArray& out, const QTextFragment& fragment, Tables& tables)
{
    const QTextCharFormat f = fragment.charFormat();
    out += "{\\f" + QByteArray::number(tables.fontOf(f));
    if (f.fontWeight() >= QFont::DemiBold)
        out += "\\b";
    if (f.fontItalic())
        out += "\\i";
    if (f.fontUnderline())
        out += "\\ul";
    if (f.fontStrikeOut())
        out += "\\strike";
    if (f.fontPointSize() > 0)
        out += "\\fs" + QByteArray::number(qRound(f.fontPointSize() * 2));
    if (const int color = tables.colorOf(f))
        out += "\\cf" + QByteArray::number(color);
    out += ' ';
    appendEscaped(out, fragment.text());
    out += '}';
}

} // namespace

QByteArray writeRtf(const QTextDocument& document)
{
    Tables tables(document.defaultFont().family());
    QByteArray body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        body += "\\pard";
        body += alignmentWord(block.blockFormat().alignment());
        body += ' ';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().isValid())
                appendFragment(body, it.fragment(), tables);
        }
        if (block.next().isValid())
            body += "\\par\n";
    }
    return "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1\n" + tables.header() + body + "}\n";
}

} // namespace folianto::rtf
