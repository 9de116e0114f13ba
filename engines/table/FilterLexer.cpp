#include "engines/table/FilterLexer.h"

#include "engines/table/TableError.h"

namespace folianto::table::filter {

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

[[noreturn]] void fail(qsizetype pos, const QString& what)
{
    throw TableError(QStringLiteral("Ошибка в фильтре, %1: %2").arg(positionText(pos), what));
}

} // namespace

QString positionText(qsizetype pos)
{
    return QStringLiteral("позиция %1").arg(pos + 1);
}

std::vector<Token> tokenize(const QString& text)
{
    std::vector<Token> tokens;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        Token t;
        t.pos = i;
        if (c == u'\'') {
            t.kind = TokenKind::Constant;
            ++i;
            for (;;) {
                if (i >= n)
                    fail(t.pos, QStringLiteral("константа не закрыта апострофом"));
                if (text[i] == u'\'') {
                    if (i + 1 < n && text[i + 1] == u'\'') {
                        t.text += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                t.text += text[i++];
            }
        } else if (c == u'[') {
            const qsizetype close = text.indexOf(u']', i + 1);
            if (close < 0)
                fail(i, QStringLiteral("имя поля не закрыто скобкой ]"));
            t.kind = TokenKind::Name;
            t.bracketed = true;
            t.text = text.mid(i + 1, close - i - 1);
            i = close + 1;
        } else if (isNameChar(c)) {
            const qsizetype start = i;
            while (i < n && isNameChar(text[i]))
                ++i;
            t.kind = TokenKind::Name;
            t.text = text.mid(start, i - start);
        } else if (c == u'=') {
            t.kind = TokenKind::Equal;
            ++i;
        } else if (c == u'<') {
            t.kind = TokenKind::Less;
            ++i;
            if (i < n && text[i] == u'>') {
                t.kind = TokenKind::NotEqual;
                ++i;
            }
        } else if (c == u'>') {
            t.kind = TokenKind::Greater;
            ++i;
        } else if (c == u'(') {
            t.kind = TokenKind::Open;
            ++i;
        } else if (c == u')') {
            t.kind = TokenKind::Close;
            ++i;
        } else {
            fail(i, QStringLiteral("непонятный знак «%1»").arg(c));
        }
        tokens.push_back(std::move(t));
    }
    Token end;
    end.pos = n;
    tokens.push_back(end);
    return tokens;
}

} // namespace folianto::table::filter
