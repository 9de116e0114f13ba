#pragma once
// Per-character weights behind the catalogue's text order, built once.
//
// primary: the letter, ignoring case; ё shares the weight of е. Blanks and punctuation come
//          first, then digits, Latin, Cyrillic (Russian alphabet order), then other letters.
// tieCase: rank among the characters of the same primary weight, deciding between texts that
//          are otherwise alike: е < Е < ё < Ё (ё after е, lowercase before uppercase).
// tieFold: the same rank with case folded away (е = Е < ё = Ё), for case-insensitive order.
// lower:   the lowercase form used for case-insensitive equality and patterns.

#include <cstdint>

namespace folianto::table::collation {

struct Tables {
    std::uint16_t primary[65536];
    std::uint8_t tieCase[65536];
    std::uint8_t tieFold[65536];
    char16_t lower[65536];
};

const Tables& tables();

} // namespace folianto::table::collation
