#pragma once
// The counters behind the encoding detectors, computed over a sample already in memory.
// LooksLikeDosText and LooksLikeKoiText read their samples and decide from these.

#include <QByteArrayView>
#include <array>

namespace folianto::codepage {

struct DosCounters {
    qint64 dosLetters = 0;      // D: 0x80-0xAF and 0xE0-0xEF, the CP866 letters
    qint64 windowsLetters = 0;  // W: 0xC0-0xFF, the Windows-1251 letters
    qint64 boxDrawing = 0;      // B: 0xB0-0xDF, the CP866 box-drawing range
    std::array<qint64, 48> perBoxByte{}; // count of each byte 0xB0..0xDF
};

DosCounters countDosSample(QByteArrayView sample);
bool dosDecision(const DosCounters& c);

struct KoiCounters {
    qint64 highBalance = 0;       // H
    qint64 printable = 0;         // P: bytes above 0x20
    qint64 aOrI = 0;              // V: А И а и
    qint64 smallLetters = 0;      // L
    qint64 capitals = 0;          // U
    qint64 capitalAfterSmallStart = 0; // UL
    qint64 anomalies = 0;         // A
};

KoiCounters scoreKoiSample(QByteArrayView sample);
bool koiDecision(const KoiCounters& c);

// 1000 * x / total rounded to the nearest integer, halves to even; x >= 0, total > 0.
qint64 perMille(qint64 x, qint64 total);

} // namespace folianto::codepage
