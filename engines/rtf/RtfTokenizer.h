#pragma once
// Splits RTF bytes into groups, control words, control symbols, \'hh bytes and runs of text.
// Never reads past the end; absurd parameters are clamped, over-long names cut.

#include <QByteArrayView>

namespace folianto::rtf {

struct RtfToken {
    enum Kind { End, GroupOpen, GroupClose, Word, Symbol, HexByte, Text };
    Kind kind = End;
    QByteArrayView name; // Word: the letters (at most 32); Text: the bytes of the run
    bool hasParam = false;
    int param = 0;        // Word: the number after the name; HexByte: the byte
    char symbol = 0;      // Symbol: the character after the backslash
};

class RtfTokenizer {
public:
    explicit RtfTokenizer(QByteArrayView rtf) : rtf_(rtf) {}
    RtfToken next();

private:
    RtfToken controlWord();
    RtfToken afterBackslash();
    RtfToken textRun();
    void skipBinary(int count);

    QByteArrayView rtf_;
    qsizetype at_ = 0;
};

} // namespace folianto::rtf
