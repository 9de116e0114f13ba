#pragma once
// The predicate tree a filter text compiles into. Constants are converted to the field's type
// once, when the tree is built; evaluating a row neither parses nor allocates.

#include "engines/table/Filter.h"
#include "engines/table/FilterLike.h"

#include <QString>
#include <memory>
#include <vector>

namespace folianto::table::filter {

enum class CompareOp { Equal, NotEqual, Greater, Less };

class Node {
public:
    virtual ~Node() = default;
    virtual bool eval(const RowValues& row) const = 0;
};

using NodePtr = std::unique_ptr<Node>;

class ConstantNode final : public Node {
public:
    explicit ConstantNode(bool value) : value_(value) {}
    bool eval(const RowValues&) const override { return value_; }

private:
    bool value_;
};

class AllOfNode final : public Node {
public:
    explicit AllOfNode(std::vector<NodePtr> parts) : parts_(std::move(parts)) {}
    bool eval(const RowValues& row) const override;

private:
    std::vector<NodePtr> parts_;
};

class AnyOfNode final : public Node {
public:
    explicit AnyOfNode(std::vector<NodePtr> parts) : parts_(std::move(parts)) {}
    bool eval(const RowValues& row) const override;

private:
    std::vector<NodePtr> parts_;
};

// field = null (wantNull) or field <> null.
class NullTestNode final : public Node {
public:
    NullTestNode(int field, bool wantNull) : field_(field), wantNull_(wantNull) {}
    bool eval(const RowValues& row) const override;

private:
    int field_;
    bool wantNull_;
};

// A text field against a text; with prefix only the field's first characters take part.
class TextCompareNode final : public Node {
public:
    TextCompareNode(int field, CompareOp op, QString value, bool prefix, bool caseInsensitive)
        : field_(field), op_(op), value_(std::move(value)), prefix_(prefix), caseInsensitive_(caseInsensitive) {}
    bool eval(const RowValues& row) const override;

private:
    int field_;
    CompareOp op_;
    QString value_;
    bool prefix_;
    bool caseInsensitive_;
};

// A number, date (as a day number) or boolean field against a value of its kind.
class ScalarCompareNode final : public Node {
public:
    enum class Kind { Integer, Day, Boolean };
    ScalarCompareNode(int field, CompareOp op, Kind kind, qint64 value)
        : field_(field), op_(op), kind_(kind), value_(value) {}
    bool eval(const RowValues& row) const override;

private:
    int field_;
    CompareOp op_;
    Kind kind_;
    qint64 value_;
};

class LikeNode final : public Node {
public:
    LikeNode(int field, const QString& pattern, bool caseInsensitive)
        : field_(field), pattern_(pattern, caseInsensitive) {}
    bool eval(const RowValues& row) const override;

private:
    int field_;
    LikePattern pattern_;
};

} // namespace folianto::table::filter
