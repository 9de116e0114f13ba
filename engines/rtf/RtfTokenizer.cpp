#include "engines/rtf/RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace folianto::rtf {

namespace {

constexpr qsizetype kLongestName = 32;
constexpr qint64 kParamLimit = std::numeric_limits<int>::max();

RtfToken tokenOf(RtfToken::Kind kind)
{
    RtfToken t;
    t.kind = kind;
    return t;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

RtfToken RtfTokenizer::next()
{
    while (at_ < rtf_.size()) {
        const char c = rtf_[at_];
        switch (c) {
        case '{':
            ++at_;
            return tokenOf(RtfToken::GroupOpen);
        case '}':
            ++at_;
            return tokenOf(RtfToken::GroupClose);
        case '\\':
            ++at_;
            return afterBackslash();
        case '\r':
        case '\n':
        case '\0':
            ++at_; // line breaks in the file carry no meaning; zero bytes are dropped
            continue;
        default:
            return textRun();
        }
    }
    return {};
}

RtfToken RtfTokenizer::afterBackslash()
{
    if (at_ >= rtf_.size())
        return {};
    const char c = rtf_[at_];
    if (isLetter(c))
        return controlWord();
    ++at_;
    if (c == '\'') {
        int value = 0;
        int digits = 0;
        while (digits < 2 && at_ < rtf_.size() && hexValue(rtf_[at_]) >= 0) {
            value = value * 16 + hexValue(rtf_[at_++]);
            ++digits;
        }
        if (digits == 0)
            return tokenOf(RtfToken::Text); // a broken \' stands for nothing
        RtfToken t = tokenOf(RtfToken::HexByte);
        t.param = value;
        return t;
    }
    if (c == '\r' || c == '\n') { // a backslash before a line break is a paragraph mark
        RtfToken t = tokenOf(RtfToken::Word);
        t.name = "par";
        return t;
    }
    RtfToken t = tokenOf(RtfToken::Symbol);
    t.symbol = c;
    return t;
}

RtfToken RtfTokenizer::controlWord()
{
    const qsizetype start = at_;
    while (at_ < rtf_.size() && isLetter(rtf_[at_]))
        ++at_;
    RtfToken t = tokenOf(RtfToken::Word);
    t.name = rtf_.sliced(start, std::min(at_ - start, kLongestName));

    bool negative = false;
    if (at_ + 1 < rtf_.size() && rtf_[at_] == '-' && isDigit(rtf_[at_ + 1])) {
        negative = true;
        ++at_;
    }
    if (at_ < rtf_.size() && isDigit(rtf_[at_])) {
        qint64 value = 0;
        while (at_ < rtf_.size() && isDigit(rtf_[at_])) {
            value = std::min(kParamLimit, value * 10 + (rtf_[at_] - '0'));
            ++at_;
        }
        t.hasParam = true;
        t.param = int(negative ? -value : value);
    }
    if (at_ < rtf_.size() && rtf_[at_] == ' ')
        ++at_; // the delimiting space belongs to the word
    if (t.name == "bin" && t.hasParam && t.param > 0)
        skipBinary(t.param);
    return t;
}

void RtfTokenizer::skipBinary(int count)
{
    at_ += std::min<qsizetype>(count, rtf_.size() - at_);
}

RtfToken RtfTokenizer::textRun()
{
    const qsizetype start = at_;
    while (at_ < rtf_.size()) {
        const char c = rtf_[at_];
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n' || c == '\0')
            break;
        ++at_;
    }
    RtfToken t = tokenOf(RtfToken::Text);
    t.name = rtf_.sliced(start, at_ - start);
    return t;
}

} // namespace folianto::rtf
