#include "TabText.h"

QString escapeField(const QString& value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\t': out += QLatin1String("\\t"); break;
        case u'\n': out += QLatin1String("\\n"); break;
        case u'\r': out += QLatin1String("\\r"); break;
        case u'\\': out += QLatin1String("\\\\"); break;
        default: out += c;
        }
    }
    return out;
}

std::optional<QStringList> splitLine(const QString& line)
{
    QStringList values;
    QString cur;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'\t') {
            values.append(cur);
            cur.clear();
        } else if (c == u'\\') {
            if (++i >= line.size())
                return std::nullopt;
            switch (line[i].unicode()) {
            case u't': cur += u'\t'; break;
            case u'n': cur += u'\n'; break;
            case u'r': cur += u'\r'; break;
            case u'\\': cur += u'\\'; break;
            default: return std::nullopt;
            }
        } else {
            cur += c;
        }
    }
    values.append(cur);
    return values;
}
