#pragma once
// Lines of a byte stream decoded from UTF-8, read in large blocks: each line is decoded into
// the caller's string, whose storage is reused from line to line.

#include <QString>
#include <QStringDecoder>
#include <cstdio>
#include <vector>

class InputLines {
public:
    explicit InputLines(std::FILE* in) : in_(in) {}
    // The next line without its "\n" or "\r\n"; false at the end of the stream.
    bool next(QString& line);

private:
    bool fill(); // reads more; false when nothing more came

    std::FILE* in_;
    std::vector<char> buf_ = std::vector<char>(size_t(1) << 20);
    size_t at_ = 0;  // first unread byte
    size_t end_ = 0; // end of the bytes read
    bool eof_ = false;
    QStringDecoder decoder_{QStringDecoder::Utf8};
};
