#include "engines/table/Filter.h"

#include "engines/table/FilterLexer.h"
#include "engines/table/FilterNodes.h"

#include <QDate>

namespace folianto::table {

namespace {

using namespace filter;

// Deeper nesting than any filter the program builds; it bounds the parser's recursion.
constexpr int kMaxDepth = 200;

class FilterPredicate final : public CompiledFilter {
public:
    explicit FilterPredicate(NodePtr root) : root_(std::move(root)) {}
    bool matches(const RowValues& row) const override { return root_->eval(row); }

private:
    NodePtr root_;
};

// Recursive descent over: or-list of and-lists of (parenthesised list | comparison).
class Parser {
public:
    Parser(const QString& text, const FieldDefs& defs, bool caseInsensitive)
        : tokens_(tokenize(text)), defs_(defs), caseInsensitive_(caseInsensitive) {}

    NodePtr parse()
    {
        if (peek().kind == TokenKind::End)
            return std::make_unique<ConstantNode>(true);
        NodePtr root = parseAnyOf();
        if (peek().kind != TokenKind::End)
            fail(peek(), QStringLiteral("ожидалось and, or или конец фильтра"));
        return root;
    }

private:
    std::vector<Token> tokens_;
    size_t at_ = 0;
    const FieldDefs& defs_;
    bool caseInsensitive_;
    int depth_ = 0;

    const Token& peek() const { return tokens_[at_]; }
    const Token& take() { return tokens_[at_ < tokens_.size() - 1 ? at_++ : at_]; }

    static bool isWord(const Token& t, const char16_t* word)
    {
        return t.kind == TokenKind::Name && !t.bracketed && t.text.compare(QStringView(word), Qt::CaseInsensitive) == 0;
    }
    static bool isKeyword(const Token& t)
    {
        return isWord(t, u"and") || isWord(t, u"or") || isWord(t, u"like") || isWord(t, u"null");
    }

    [[noreturn]] static void fail(const Token& t, const QString& what)
    {
        const QString found = t.kind == TokenKind::End ? QStringLiteral("конец текста")
                                                       : QStringLiteral("«%1»").arg(describe(t));
        throw TableError(QStringLiteral("Ошибка в фильтре, %1: %2, найдено: %3")
                             .arg(positionText(t.pos), what, found));
    }
    static QString describe(const Token& t)
    {
        switch (t.kind) {
        case TokenKind::Name:
            return t.text;
        case TokenKind::Constant:
            return QStringLiteral("'%1'").arg(t.text);
        case TokenKind::Equal:
            return QStringLiteral("=");
        case TokenKind::NotEqual:
            return QStringLiteral("<>");
        case TokenKind::Greater:
            return QStringLiteral(">");
        case TokenKind::Less:
            return QStringLiteral("<");
        case TokenKind::Open:
            return QStringLiteral("(");
        case TokenKind::Close:
            return QStringLiteral(")");
        case TokenKind::End:
            break;
        }
        return {};
    }
    [[noreturn]] static void failValue(const Token& t, const QString& what)
    {
        throw TableError(QStringLiteral("Ошибка в фильтре, %1: %2").arg(positionText(t.pos), what));
    }

    NodePtr parseAnyOf()
    {
        std::vector<NodePtr> parts;
        parts.push_back(parseAllOf());
        while (isWord(peek(), u"or")) {
            take();
            parts.push_back(parseAllOf());
        }
        if (parts.size() == 1)
            return std::move(parts.front());
        return std::make_unique<AnyOfNode>(std::move(parts));
    }

    NodePtr parseAllOf()
    {
        std::vector<NodePtr> parts;
        parts.push_back(parsePrimary());
        while (isWord(peek(), u"and")) {
            take();
            parts.push_back(parsePrimary());
        }
        if (parts.size() == 1)
            return std::move(parts.front());
        return std::make_unique<AllOfNode>(std::move(parts));
    }

    NodePtr parsePrimary()
    {
        if (peek().kind == TokenKind::Open) {
            if (++depth_ > kMaxDepth)
                fail(peek(), QStringLiteral("слишком глубоко вложены скобки"));
            take();
            NodePtr inner = parseAnyOf();
            if (peek().kind != TokenKind::Close)
                fail(peek(), QStringLiteral("ожидалась )"));
            take();
            --depth_;
            return inner;
        }
        return parseComparison();
    }

    int fieldNumber(const Token& t) const
    {
        for (int i = 0; i < defs_.size(); ++i)
            if (defs_[i].name == t.text)
                return i;
        for (int i = 0; i < defs_.size(); ++i)
            if (defs_[i].name.compare(t.text, Qt::CaseInsensitive) == 0)
                return i;
        failValue(t, QStringLiteral("нет поля «%1»").arg(t.text));
    }

    NodePtr parseComparison()
    {
        const Token& nameToken = peek();
        if (nameToken.kind != TokenKind::Name || isKeyword(nameToken))
            fail(nameToken, QStringLiteral("ожидалось имя поля или ("));
        const int field = fieldNumber(take());
        const Token& opToken = take();
        if (isWord(opToken, u"like"))
            return likeOf(field, opToken);
        CompareOp op{};
        switch (opToken.kind) {
        case TokenKind::Equal:
            op = CompareOp::Equal;
            break;
        case TokenKind::NotEqual:
            op = CompareOp::NotEqual;
            break;
        case TokenKind::Greater:
            op = CompareOp::Greater;
            break;
        case TokenKind::Less:
            op = CompareOp::Less;
            break;
        default:
            fail(opToken, QStringLiteral("ожидался знак сравнения (=, <>, >, <) или like"));
        }
        const Token& value = take();
        if (isWord(value, u"null")) {
            // Only = and <> ask about emptiness; nothing is greater or less than empty.
            if (op == CompareOp::Equal || op == CompareOp::NotEqual)
                return std::make_unique<NullTestNode>(field, op == CompareOp::Equal);
            return std::make_unique<ConstantNode>(false);
        }
        if (value.kind != TokenKind::Constant)
            fail(value, QStringLiteral("ожидалась константа в апострофах или null"));
        return comparisonOf(field, op, value);
    }

    NodePtr likeOf(int field, const Token& likeToken)
    {
        const Token& pattern = take();
        if (pattern.kind != TokenKind::Constant)
            fail(pattern, QStringLiteral("после like ожидался образец в апострофах"));
        if (!isTextType(defs_[field].type))
            failValue(likeToken, QStringLiteral("like сравнивает только текстовые поля, а %1 не текстовое")
                                     .arg(defs_[field].name));
        return std::make_unique<LikeNode>(field, pattern.text, caseInsensitive_);
    }

    NodePtr comparisonOf(int field, CompareOp op, const Token& value)
    {
        const FieldDef& def = defs_[field];
        using Kind = ScalarCompareNode::Kind;
        switch (def.type) {
        case FieldType::String:
        case FieldType::FixedString:
        case FieldType::Memo: {
            // 'abc*' compares only the beginning of the field with abc.
            const bool prefix = value.text.size() >= 2 && value.text.endsWith(u'*');
            QString text = prefix ? value.text.chopped(1) : value.text;
            return std::make_unique<TextCompareNode>(field, op, std::move(text), prefix, caseInsensitive_);
        }
        case FieldType::Int16:
        case FieldType::Int32: {
            bool ok = false;
            const qint64 n = value.text.trimmed().toLongLong(&ok);
            if (!ok)
                failValue(value, QStringLiteral("«%1» не целое число (поле %2)").arg(value.text, def.name));
            return std::make_unique<ScalarCompareNode>(field, op, Kind::Integer, n);
        }
        case FieldType::Date: {
            const QDate d = QDate::fromString(value.text.trimmed(), QStringLiteral("d.M.yyyy"));
            if (!d.isValid())
                failValue(value, QStringLiteral("«%1» не дата вида дд.мм.гггг (поле %2)").arg(value.text, def.name));
            return std::make_unique<ScalarCompareNode>(field, op, Kind::Day, d.toJulianDay());
        }
        case FieldType::Boolean: {
            const QString t = value.text.trimmed().toLower();
            const bool isTrue = t == u"true" || t == u"1";
            if (!isTrue && t != u"false" && t != u"0")
                failValue(value, QStringLiteral("«%1» не логическое значение (поле %2)").arg(value.text, def.name));
            return std::make_unique<ScalarCompareNode>(field, op, Kind::Boolean, isTrue ? 1 : 0);
        }
        }
        failValue(value, QStringLiteral("поле %1 нельзя сравнивать").arg(def.name));
    }
};

} // namespace

std::shared_ptr<const CompiledFilter> CompiledFilter::compile(const QString& text, const FieldDefs& defs,
                                                              bool caseInsensitive)
{
    Parser parser(text, defs, caseInsensitive);
    return std::make_shared<FilterPredicate>(parser.parse());
}

} // namespace folianto::table
