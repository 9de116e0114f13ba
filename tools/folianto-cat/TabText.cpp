#include "TabText.h"

bool splitLineInPlace(QString& line, std::vector<QStringView>& values)
{
    values.clear();
    QChar* const text = line.data();
    const qsizetype n = line.size();
    qsizetype out = 0;   // escapes only shorten the text, so it is rewritten where it lies
    qsizetype start = 0; // where the current value begins
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\t') {
            values.emplace_back(text + start, out - start);
            start = out;
        } else if (c == u'\\') {
            if (++i >= n)
                return false;
            switch (text[i].unicode()) {
            case u't': text[out++] = u'\t'; break;
            case u'n': text[out++] = u'\n'; break;
            case u'r': text[out++] = u'\r'; break;
            case u'\\': text[out++] = u'\\'; break;
            default: return false;
            }
        } else {
            text[out++] = c;
        }
    }
    values.emplace_back(text + start, out - start);
    return true;
}
