#include "engines/codepage/Unicode.h"

#include <QStringDecoder>
#include <algorithm>

namespace folianto::codepage {

namespace {

constexpr QChar kReplacement(0xFFFD);

bool isContinuation(uchar b) { return (b & 0xC0) == 0x80; }

// Bytes of one UTF-16 unit when written as UTF-8 (a pair counts 4 on its first unit).
int utf8Bytes(char16_t u)
{
    if (u < 0x80)
        return 1;
    if (u < 0x800)
        return 2;
    if (u >= 0xD800 && u < 0xDC00)
        return 4;
    if (u >= 0xDC00 && u < 0xE000)
        return 0;
    return 3;
}

char16_t unitAt(const uchar* p, UnicodeForm form)
{
    return form == UnicodeForm::Utf16LE ? char16_t(p[0] | (p[1] << 8)) : char16_t((p[0] << 8) | p[1]);
}

} // namespace

ByteOrderMark byteOrderMarkOf(QByteArrayView head)
{
    if (head.startsWith("\xEF\xBB\xBF"))
        return {UnicodeForm::Utf8, 3};
    if (head.startsWith("\xFF\xFE"))
        return {UnicodeForm::Utf16LE, 2};
    if (head.startsWith("\xFE\xFF"))
        return {UnicodeForm::Utf16BE, 2};
    return {};
}

int utf8SequenceLength(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return -1;
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const uchar lead = p[0];
    if (lead < 0x80)
        return 1;
    int length = 0;
    uchar low = 0x80, high = 0xBF; // the allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // overlong
        else if (lead == 0xED)
            high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90; // overlong
        else if (lead == 0xF4)
            high = 0x8F; // past U+10FFFF
    } else {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        if (i >= bytes.size())
            return -1;
        const uchar b = p[i];
        if (i == 1 ? (b < low || b > high) : !isContinuation(b))
            return 0;
    }
    return length;
}

bool looksLikeUnicodeText(QByteArrayView sample)
{
    if (byteOrderMarkOf(sample).length > 0)
        return true;
    bool multibyte = false;
    for (qsizetype i = 0; i < sample.size();) {
        if (uchar(sample[i]) < 0x80) {
            ++i;
            continue;
        }
        const int n = utf8SequenceLength(sample.sliced(i));
        if (n < 0)
            return multibyte; // a sequence cut at the sample's end is not held against it
        if (n == 0)
            return false;
        multibyte = true;
        i += n;
    }
    return multibyte;
}

int bytesToCharacterStart(QByteArrayView bytesAtOffset, qint64 offset, UnicodeForm form)
{
    const auto* p = reinterpret_cast<const uchar*>(bytesAtOffset.data());
    const qsizetype size = bytesAtOffset.size();
    if (form == UnicodeForm::Utf8) {
        int skip = 0;
        while (skip < 3 && skip < size && isContinuation(p[skip]))
            ++skip;
        return skip;
    }
    int skip = offset % 2 != 0 ? 1 : 0;
    if (skip + 2 <= size) {
        const char16_t unit = unitAt(p + skip, form);
        if (unit >= 0xDC00 && unit < 0xE000)
            skip += 2;
    }
    return skip;
}

qint64 UnicodeText::unitBytes(qsizetype i) const
{
    if (form_ == UnicodeForm::Utf8)
        return utf8Bytes(text_.at(i).unicode());
    return 2;
}

qint64 UnicodeText::byteOffsetOf(qsizetype index) const
{
    index = std::clamp<qsizetype>(index, 0, text_.size());
    // Each U+FFFD standing for one invalid byte counts that byte instead of its usual width.
    const auto lost = std::lower_bound(singleBytes_.begin(), singleBytes_.end(), index) - singleBytes_.begin();
    qint64 offset = skipped_;
    if (form_ == UnicodeForm::Utf8) {
        const char16_t* units = reinterpret_cast<const char16_t*>(text_.constData());
        for (qsizetype i = 0; i < index; ++i)
            offset += utf8Bytes(units[i]);
        return offset - 2 * lost;
    }
    return offset + 2 * index - lost;
}

qsizetype UnicodeText::indexOfByteOffset(qint64 offset) const
{
    qint64 at = skipped_;
    auto lost = singleBytes_.begin();
    for (qsizetype i = 0; i < text_.size(); ++i) {
        qint64 width = unitBytes(i);
        if (lost != singleBytes_.end() && *lost == i) {
            width = 1;
            ++lost;
        }
        if (at + width > offset && width > 0)
            return i;
        at += width;
    }
    return text_.size();
}

UnicodeText decodeUnicode(QByteArrayView bytes, UnicodeForm form, bool atFileStart)
{
    UnicodeText decoded;
    decoded.form_ = form;
    if (atFileStart) {
        const ByteOrderMark mark = byteOrderMarkOf(bytes);
        if (mark.length > 0 && mark.form == form) {
            decoded.skipped_ = mark.length;
            bytes = bytes.sliced(mark.length);
        }
    }
    QString& text = decoded.text_;
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();

    if (form != UnicodeForm::Utf8) {
        text.resize(size / 2);
        char16_t* out = reinterpret_cast<char16_t*>(text.data());
        for (qsizetype i = 0; i + 1 < size; i += 2)
            *out++ = unitAt(p + i, form);
        if (size % 2 != 0) {
            decoded.singleBytes_.append(text.size());
            text.append(kReplacement);
        }
        return decoded;
    }

    text.reserve(size);
    qsizetype runStart = 0; // start of the valid bytes not yet decoded
    // A U+FEFF that begins a run is text, not a mark to drop: the mark was handled above.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    auto flushRun = [&](qsizetype end) {
        if (end > runStart)
            text.append(utf8.decode(bytes.sliced(runStart, end - runStart)));
    };
    for (qsizetype i = 0; i < size;) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        const int n = utf8SequenceLength(bytes.sliced(i));
        if (n > 0) {
            i += n;
            continue;
        }
        flushRun(i);
        decoded.singleBytes_.append(text.size());
        text.append(kReplacement);
        runStart = ++i;
    }
    flushRun(size);
    return decoded;
}

} // namespace folianto::codepage
