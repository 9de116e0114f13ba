#pragma once
// Splits a filter text into names, quoted constants, operators and parentheses.

#include <QString>
#include <vector>

namespace folianto::table::filter {

enum class TokenKind { Name, Constant, Equal, NotEqual, Greater, Less, Open, Close, End };

struct Token {
    TokenKind kind = TokenKind::End;
    QString text;     // a name as written (brackets removed), a constant with its apostrophes undone
    qsizetype pos = 0; // 0-based place in the filter text
    bool bracketed = false;
};

// Throws TableError for an unclosed constant or bracket and for a character that starts no token.
std::vector<Token> tokenize(const QString& text);

// "позиция N" for messages, N counted from 1.
QString positionText(qsizetype pos);

} // namespace folianto::table::filter
