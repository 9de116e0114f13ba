#include "engines/table/CollationTables.h"

#include <QChar>
#include <QString>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace folianto::table::collation {

namespace {

constexpr char16_t kYo = u'ё';
constexpr char16_t kYe = u'е';

// Letters of the two alphabets in dictionary order; the extra Cyrillic letters of the
// neighbouring alphabets follow the Russian letter they are filed with.
const std::array<char16_t, 26 + 32 + 5>& alphabet()
{
    static const std::array<char16_t, 26 + 32 + 5> letters = [] {
        std::array<char16_t, 26 + 32 + 5> a{};
        size_t n = 0;
        for (char16_t c = u'a'; c <= u'z'; ++c)
            a[n++] = c;
        for (char16_t c = u'а'; c <= u'я'; ++c) {
            a[n++] = c;
            if (c == u'г')
                a[n++] = u'ґ';
            else if (c == u'е')
                a[n++] = u'є';
            else if (c == u'и') {
                a[n++] = u'і';
                a[n++] = u'ї';
            } else if (c == u'у')
                a[n++] = u'ў';
        }
        return a;
    }();
    return letters;
}

// Place of a base letter in the alphabet, or -1.
int alphabetIndex(char16_t c)
{
    static const std::vector<int> index = [] {
        std::vector<int> v(65536, -1);
        const auto& a = alphabet();
        for (size_t i = 0; i < a.size(); ++i)
            v[a[i]] = int(i);
        return v;
    }();
    return index[c];
}

struct Entry {
    // Primary class: group, alphabet place, accented-after-base flag, base code.
    std::uint32_t group, major, minor, base;
    // Tie-break within the class.
    std::uint32_t yo;
    char16_t low;
    std::uint32_t upper;
    char16_t code;

    // Packed so that sorting plain integers sorts the entries: 2+7+1+16 bits of class,
    // then 1+16+1+16 bits of tie-break.
    std::uint64_t classKey() const
    {
        return (std::uint64_t(group) << 24) | (std::uint64_t(major) << 17) | (std::uint64_t(minor) << 16) | base;
    }
    std::uint64_t fullKey() const
    {
        return (classKey() << 34) | (std::uint64_t(yo) << 33) | (std::uint64_t(low) << 17)
            | (std::uint64_t(upper) << 16) | code;
    }
};

Entry entryFor(char16_t c)
{
    Entry e{};
    e.code = c;
    const QChar ch(c);
    e.low = ch.toLower().unicode();
    e.upper = e.low != c ? 1 : 0;
    char16_t base = e.low;
    if (base == kYo) {
        base = kYe;
        e.yo = 1;
    }
    e.base = base;
    const QChar b(base);
    if (!b.isLetterOrNumber()) {
        e.group = 0;
    } else if (b.isNumber()) {
        e.group = 1;
    } else if (const int at = alphabetIndex(base); at >= 0) {
        e.group = 2;
        e.major = std::uint32_t(at);
    } else {
        // An accented letter (é, ŭ...) files right after its base letter when that base
        // belongs to the alphabets above; anything else comes after them by code.
        int baseAt = -1;
        if (b.decompositionTag() == QChar::Canonical) {
            const QString d = b.decomposition();
            baseAt = d.isEmpty() ? -1 : alphabetIndex(QChar(d.front()).toLower().unicode());
        }
        if (baseAt >= 0) {
            e.group = 2;
            e.major = std::uint32_t(baseAt);
            e.minor = 1;
        } else {
            e.group = 3;
        }
    }
    return e;
}

std::unique_ptr<Tables> build()
{
    auto t = std::make_unique<Tables>();
    std::vector<std::uint64_t> all;
    all.reserve(65536);
    for (std::uint32_t c = 0; c < 65536; ++c) {
        const Entry e = entryFor(char16_t(c));
        t->lower[c] = e.low;
        all.push_back(e.fullKey());
    }
    std::sort(all.begin(), all.end());

    std::uint16_t primary = 0;
    std::uint8_t tieCase = 0, tieFold = 0;
    const auto classOf = [](std::uint64_t key) { return key >> 34; };
    const auto foldOf = [](std::uint64_t key) { return key >> 17; }; // class, yo and lowercase
    for (size_t i = 0; i < all.size(); ++i) {
        const std::uint64_t key = all[i];
        if (i == 0 || classOf(all[i - 1]) != classOf(key)) {
            ++primary; // weights start at 1: a zero weight ends a key's first level
            tieCase = tieFold = 0;
        } else {
            ++tieCase;
            if (foldOf(all[i - 1]) != foldOf(key))
                ++tieFold;
        }
        const char16_t code = char16_t(key & 0xffff);
        t->primary[code] = primary;
        t->tieCase[code] = tieCase;
        t->tieFold[code] = tieFold;
    }
    return t;
}

} // namespace

const Tables& tables()
{
    static const std::unique_ptr<Tables> t = build();
    return *t;
}

} // namespace folianto::table::collation
