#include "OutBuffer.h"

#include "engines/table/ValueConvert.h"

#include <QDate>

void OutBuffer::text(QStringView s)
{
    // Each UTF-16 unit takes at most three bytes; long texts go in slices.
    constexpr qsizetype kSlice = 4096;
    while (!s.isEmpty()) {
        QStringView part = s.first(std::min(s.size(), kSlice));
        if (part.size() < s.size() && part.back().isHighSurrogate())
            part.chop(1); // a surrogate pair stays in one slice
        room(size_t(part.size()) * 3);
        char* end = utf8_.appendToBuffer(buf_ + used_, part);
        used_ = size_t(end - buf_);
        s = s.sliced(part.size());
    }
}

void OutBuffer::escaped(QStringView s)
{
    qsizetype from = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        char code;
        switch (c) {
        case u'\t': code = 't'; break;
        case u'\n': code = 'n'; break;
        case u'\r': code = 'r'; break;
        case u'\\': code = '\\'; break;
        default: continue;
        }
        text(s.sliced(from, i - from));
        put('\\');
        put(code);
        from = i + 1;
    }
    text(s.sliced(from));
}

void OutBuffer::number(qint64 n)
{
    char digits[24];
    int len = std::snprintf(digits, sizeof digits, "%lld", static_cast<long long>(n));
    room(size_t(len));
    for (int i = 0; i < len; ++i)
        buf_[used_++] = digits[i];
}

void OutBuffer::date(qint64 julianDay)
{
    const QDate d = QDate::fromJulianDay(julianDay);
    if (d.year() < 1 || d.year() > 9999) {
        text(folianto::table::valueText(d));
        return;
    }
    char s[11];
    std::snprintf(s, sizeof s, "%02d.%02d.%04d", d.day(), d.month(), d.year());
    room(10);
    for (int i = 0; i < 10; ++i)
        buf_[used_++] = s[i];
}

void OutBuffer::flush()
{
    if (used_ > 0)
        std::fwrite(buf_, 1, used_, out_);
    used_ = 0;
}
