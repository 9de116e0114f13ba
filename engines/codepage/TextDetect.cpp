#include "engines/codepage/TextDetect.h"

#include "engines/codepage/DetectorCounters.h"
#include "engines/codepage/DeviceSample.h"
#include "engines/codepage/Unicode.h"

#include <QIODevice>

namespace folianto::codepage {

namespace {
constexpr qint64 kSampleSize = 3000;
constexpr qint64 kUnicodeSampleSize = 4096;
}

bool LooksLikeDosText(QIODevice& sample)
{
    const qint64 length = streamLength(sample);
    if (length <= 0)
        return false;
    const qint64 wanted = length >= kSampleSize ? kSampleSize : length - 1;
    return dosDecision(countDosSample(leadingBytes(sample, wanted)));
}

bool LooksLikeKoiText(QIODevice& sample)
{
    const qint64 length = streamLength(sample);
    if (length <= 0)
        return false;
    const qint64 wanted = length >= kSampleSize ? kSampleSize + 1 : length;
    return koiDecision(scoreKoiSample(leadingBytes(sample, wanted)));
}

bool LooksLikeUnicodeText(QIODevice& sample)
{
    return looksLikeUnicodeText(leadingBytes(sample, kUnicodeSampleSize));
}

QString plainTextEncodingCode(QIODevice& sample)
{
    if (LooksLikeUnicodeText(sample))
        return QStringLiteral("U");
    if (LooksLikeDosText(sample))
        return QStringLiteral("Y");
    if (LooksLikeKoiText(sample))
        return QStringLiteral("K");
    return QStringLiteral("N");
}

} // namespace folianto::codepage
