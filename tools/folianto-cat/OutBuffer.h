#pragma once
// Buffered UTF-8 output for bulk writing: texts are encoded straight into a fixed buffer that
// goes out in large writes, with no allocation per value.

#include <QStringEncoder>
#include <QStringView>
#include <cstdio>

class OutBuffer {
public:
    explicit OutBuffer(std::FILE* out) : out_(out) {}
    ~OutBuffer() { flush(); }
    OutBuffer(const OutBuffer&) = delete;
    OutBuffer& operator=(const OutBuffer&) = delete;

    void put(char c)
    {
        room(1);
        buf_[used_++] = c;
    }
    void text(QStringView s);
    // A value of the tab-separated row form: tab, line feed, carriage return and backslash
    // written as \t, \n, \r and \\.
    void escaped(QStringView s);
    void number(qint64 n);
    void date(qint64 julianDay); // dd.MM.yyyy
    void flush();

private:
    static constexpr size_t kSize = size_t(1) << 16;
    void room(size_t n)
    {
        if (kSize - used_ < n)
            flush();
    }

    std::FILE* out_;
    QStringEncoder utf8_{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
    size_t used_ = 0;
    char buf_[kSize];
};
