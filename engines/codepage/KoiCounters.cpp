#include "engines/codepage/DetectorCounters.h"

namespace folianto::codepage {

namespace {

// Byte classes, named by the Windows-1251 reading of the bytes.
bool isCapital(unsigned b) { return b >= 0xC0 && b <= 0xDF; }
bool isSmall(unsigned b) { return b >= 0xE0; }
bool isSign(unsigned b) { return b == 0xDA || b == 0xDC || b == 0xFA || b == 0xFC; } // Ъ Ь ъ ь
bool isHardSign(unsigned b) { return b == 0xDA || b == 0xFA; }
bool isShortI(unsigned b) { return b == 0xC9 || b == 0xE9; }  // Й й
bool isChe(unsigned b) { return b == 0xD7 || b == 0xF7; }
bool isShcha(unsigned b) { return b == 0xD9 || b == 0xF9; }
bool isO(unsigned b) { return b == 0xCE || b == 0xEE; }
bool isAOrI(unsigned b) { return b == 0xC0 || b == 0xC8 || b == 0xE0 || b == 0xE8; }
bool isOneLetterWord(unsigned b) // Й Л Х Ч й л х ч: KOI8-R's в и к у and their capitals
{
    switch (b) {
    case 0xC9: case 0xCB: case 0xD5: case 0xD7:
    case 0xE9: case 0xEB: case 0xF5: case 0xF7:
        return true;
    default:
        return false;
    }
}
// Б..Щ and Ъ among the capitals, б..щ among the small letters (the small hard sign is not one).
bool isConsonant(unsigned b)
{
    const unsigned base = b & ~0x20u; // the capital of a letter
    if (b < 0xC0)
        return false;
    if (b == 0xFA)
        return false;
    switch (base) {
    case 0xC1: case 0xC2: case 0xC3: case 0xC4: case 0xC6: case 0xC7:
    case 0xCA: case 0xCB: case 0xCC: case 0xCD:
    case 0xCF: case 0xD0: case 0xD1: case 0xD2:
    case 0xD4: case 0xD5: case 0xD6: case 0xD7: case 0xD8: case 0xD9: case 0xDA:
        return true;
    default:
        return false;
    }
}

constexpr int kLongestConsonantRun = 5;

// What the scorer remembers about the byte before the current one.
struct Previous {
    bool space = true; // the sample counts as preceded by a space
    bool hardSign = false;
    bool sign = false;
    bool shortI = false;
    bool che = false;
    bool shcha = false;
    bool oneLetterWordStart = false;  // a space, then Й Л Х Ч й л х ч
    bool smallWordStart = false;      // a space, then a small letter
};

} // namespace

KoiCounters scoreKoiSample(QByteArrayView sample)
{
    KoiCounters c;
    Previous prev;
    int consonantRun = 0;
    for (const char ch : sample) {
        const unsigned b = static_cast<unsigned char>(ch);
        const bool space = b == 0x20;

        if (b >= 0xC0)
            ++c.highBalance;
        else if (b >= 0x80)
            --c.highBalance;
        if (b > 0x20)
            ++c.printable;
        if (isAOrI(b))
            ++c.aOrI;
        if (isSmall(b))
            ++c.smallLetters;
        if (isCapital(b)) {
            ++c.capitals;
            if (prev.smallWordStart)
                ++c.capitalAfterSmallStart;
        }

        c.anomalies += (isO(b) && prev.hardSign) + (space && prev.hardSign)
            + (isSign(b) && prev.sign) + (isSign(b) && prev.space) + (isSign(b) && prev.shortI)
            + (space && prev.oneLetterWordStart);

        prev.oneLetterWordStart = prev.space && isOneLetterWord(b);
        prev.smallWordStart = prev.space && isSmall(b);

        c.anomalies += (isConsonant(b) && prev.hardSign)
            + ((isChe(b) && prev.shcha) || (isShcha(b) && prev.che))
            + (isShortI(b) && consonantRun > 0) + (isShortI(b) && prev.sign)
            + (isShortI(b) && prev.shortI);

        if (isConsonant(b)) {
            if (consonantRun == kLongestConsonantRun) {
                ++c.anomalies;
                consonantRun = 0;
            } else {
                ++consonantRun;
            }
        } else {
            consonantRun = 0;
        }

        prev.space = space;
        prev.hardSign = isHardSign(b);
        prev.che = isChe(b);
        prev.shcha = isShcha(b);
        prev.shortI = isShortI(b);
        prev.sign = isSign(b);
    }
    return c;
}

qint64 perMille(qint64 x, qint64 total)
{
    const qint64 scaled = 1000 * x;
    qint64 q = scaled / total;
    const qint64 twiceRest = 2 * (scaled % total);
    if (twiceRest > total || (twiceRest == total && (q & 1)))
        ++q;
    return q;
}

bool koiDecision(const KoiCounters& c)
{
    if (c.printable <= 0 || c.highBalance <= 0 || perMille(c.highBalance, c.printable) <= 100)
        return false;
    if (perMille(c.anomalies, c.printable) > 10)
        return true;
    return perMille(c.aOrI, c.printable) < 20 && c.capitals > c.smallLetters
        && c.capitalAfterSmallStart > 0;
}

} // namespace folianto::codepage
