#include "InputLines.h"

#include <cstring>

bool InputLines::fill()
{
    if (eof_)
        return false;
    if (at_ > 0) {
        std::memmove(buf_.data(), buf_.data() + at_, end_ - at_);
        end_ -= at_;
        at_ = 0;
    }
    if (end_ == buf_.size())
        buf_.resize(buf_.size() * 2); // a line longer than the buffer
    const size_t got = std::fread(buf_.data() + end_, 1, buf_.size() - end_, in_);
    end_ += got;
    if (got == 0)
        eof_ = true;
    return got > 0;
}

bool InputLines::next(QString& line)
{
    size_t scanned = at_;
    const char* nl = nullptr;
    while (!(nl = static_cast<const char*>(std::memchr(buf_.data() + scanned, '\n', end_ - scanned)))) {
        const size_t seen = end_ - at_;
        if (!fill())
            break;
        scanned = at_ + seen;
    }
    if (!nl && at_ == end_)
        return false;
    const size_t stop = nl ? size_t(nl - buf_.data()) : end_;
    size_t len = stop - at_;
    if (nl && len > 0 && buf_[at_ + len - 1] == '\r')
        --len;
    const QByteArrayView bytes(buf_.data() + at_, qsizetype(len));
    line.resize(decoder_.requiredSpace(bytes.size()));
    QChar* const written = decoder_.appendToBuffer(line.data(), bytes);
    line.resize(written - line.data());
    at_ = nl ? stop + 1 : end_;
    return true;
}
