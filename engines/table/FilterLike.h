#pragma once
// A precompiled "like" pattern: % matches any run of characters (also none), _ exactly one.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace folianto::table::filter {

class LikePattern {
public:
    LikePattern(const QString& pattern, bool caseInsensitive);
    bool matches(QStringView text) const;

private:
    enum class Part : std::uint8_t { Literal, One, Any };
    std::vector<Part> parts_;
    std::vector<char16_t> chars_; // the literal of each Literal part, folded when ignoring case
    bool caseInsensitive_;
};

} // namespace folianto::table::filter
