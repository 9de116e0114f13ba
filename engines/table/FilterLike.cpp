#include "engines/table/FilterLike.h"

#include "engines/table/Collation.h"
#include "engines/table/CollationTables.h"

namespace folianto::table::filter {

LikePattern::LikePattern(const QString& pattern, bool caseInsensitive)
    : caseInsensitive_(caseInsensitive)
{
    for (const QChar c : pattern) {
        if (c == u'%') {
            if (!parts_.empty() && parts_.back() == Part::Any)
                continue; // a run of % is one %
            parts_.push_back(Part::Any);
            chars_.push_back(0);
        } else if (c == u'_') {
            parts_.push_back(Part::One);
            chars_.push_back(0);
        } else {
            parts_.push_back(Part::Literal);
            chars_.push_back(caseInsensitive ? foldCase(c.unicode()) : c.unicode());
        }
    }
}

bool LikePattern::matches(QStringView text) const
{
    // Left to right; on a mismatch go back to the last % and let it swallow one more character.
    const size_t n = parts_.size();
    const qsizetype len = text.size();
    size_t p = 0;
    qsizetype i = 0;
    size_t afterAny = size_t(-1);
    const char16_t* fold = collation::tables().lower;
    qsizetype anyFrom = 0;
    while (i < len) {
        if (p < n) {
            const Part part = parts_[p];
            if (part == Part::Any) {
                afterAny = ++p;
                anyFrom = i;
                continue;
            }
            if (part == Part::One) {
                ++p;
                ++i;
                continue;
            }
            const char16_t c = caseInsensitive_ ? fold[text[i].unicode()] : text[i].unicode();
            if (c == chars_[p]) {
                ++p;
                ++i;
                continue;
            }
        }
        if (afterAny == size_t(-1))
            return false;
        p = afterAny;
        i = ++anyFrom;
    }
    while (p < n && parts_[p] == Part::Any)
        ++p;
    return p == n;
}

} // namespace folianto::table::filter
