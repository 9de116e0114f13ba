#include "engines/codepage/DetectorCounters.h"

#include <algorithm>

namespace folianto::codepage {

DosCounters countDosSample(QByteArrayView sample)
{
    DosCounters c;
    for (const char ch : sample) {
        const auto b = static_cast<unsigned char>(ch);
        if ((b >= 0x80 && b <= 0xAF) || (b >= 0xE0 && b <= 0xEF))
            ++c.dosLetters;
        if (b >= 0xC0)
            ++c.windowsLetters;
        if (b >= 0xB0 && b <= 0xDF) {
            ++c.boxDrawing;
            ++c.perBoxByte[b - 0xB0];
        }
    }
    return c;
}

bool dosDecision(const DosCounters& c)
{
    if (c.dosLetters > c.windowsLetters)
        return true;
    // A text made mostly of one drawing character: a frame, a rule.
    if (c.boxDrawing < c.windowsLetters)
        return false;
    const qint64 most = *std::max_element(c.perBoxByte.begin(), c.perBoxByte.end());
    return most > c.boxDrawing / 2;
}

} // namespace folianto::codepage
