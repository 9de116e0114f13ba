#include "reader/LineStarts.h"

#include <algorithm>

namespace folianto::reader {

namespace {

template <typename Char>
void scanLines(const Char* data, qint64 size, std::vector<qint64>& starts, std::vector<qint64>& ends)
{
    starts.assign(1, 0);
    ends.clear();
    for (qint64 i = 0; i < size; ++i) {
        const auto c = data[i];
        if (c != Char('\n') && c != Char('\r'))
            continue;
        ends.push_back(i);
        if (c == Char('\r') && i + 1 < size && data[i + 1] == Char('\n'))
            ++i;
        starts.push_back(i + 1);
    }
    ends.push_back(size);
}

} // namespace

LineStarts LineStarts::ofBytes(const QByteArray& bytes)
{
    LineStarts out;
    out.size_ = bytes.size();
    scanLines(bytes.constData(), out.size_, out.starts_, out.ends_);
    return out;
}

LineStarts LineStarts::ofText(const QString& text)
{
    LineStarts out;
    out.size_ = text.size();
    scanLines(text.utf16(), out.size_, out.starts_, out.ends_);
    return out;
}

qint64 LineStarts::lineStart(int line) const
{
    if (line < 0)
        return 0;
    return line < lineCount() ? starts_[size_t(line)] : size_;
}

qint64 LineStarts::lineLength(int line) const
{
    if (line < 0 || line >= lineCount())
        return 0;
    return ends_[size_t(line)] - starts_[size_t(line)];
}

int LineStarts::lineAt(qint64 offset) const
{
    if (offset < 0 || offset > size_)
        return -1;
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return int(after - starts_.begin()) - 1;
}

} // namespace folianto::reader
