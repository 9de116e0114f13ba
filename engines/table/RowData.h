#pragma once
// A stored row in compact form: one byte block per row holding a 32-bit slot per field
// (integers, dates as day numbers, booleans; for texts the end of the text), a bit per field
// for null, then the texts one after another in UTF-16. No object per value: values become
// QVariant, QString or QDate only when read.

#include "engines/table/FieldDef.h"

#include <QStringView>
#include <cstring>
#include <QVariant>
#include <vector>

namespace folianto::table {

using RowValuesVector = std::vector<QVariant>;

struct Row {
    qint64 id = 0;  // identity for bookmarks; never reused within a store
    qint64 seq = 0; // storage order: increasing, with gaps so an insertion rarely renumbers
    char* data = nullptr;
    bool pooledData = false; // data lives in the store's pool
};

// How the rows of one table are laid out.
class RowFormat {
public:
    RowFormat() = default;
    explicit RowFormat(const FieldDefs& defs);

    int fieldCount() const { return int(kinds_.size()); }
    bool isNull(const Row* row, int field) const
    {
        return (quint8(row->data[nullsAt_ + (field >> 3)]) >> (field & 7)) & 1;
    }
    bool isText(int field) const { return kinds_[size_t(field)] == Kind::Text; }
    // A text field's text (empty for null).
    QStringView text(const Row* row, int field) const
    {
        const quint32 end = slot(row, field);
        const int prev = prevText_[size_t(field)];
        const quint32 begin = prev < 0 ? 0 : slot(row, prev);
        return QStringView(texts(row) + begin, qsizetype(end - begin));
    }
    // An integer, a date's day number or a boolean's 0/1 (0 for null).
    qint32 scalar(const Row* row, int field) const { return qint32(slot(row, field)); }
    QVariant value(const Row* row, int field) const;
    RowValuesVector values(const Row* row) const;

    // Bytes of the block for these values, and writing it (values of the field types, as
    // toFieldValue gives them; a missing or calculated slot is null).
    size_t bytesFor(const RowValuesVector& values) const;
    void pack(const RowValuesVector& values, char* data) const;

    // Building a block field by field, for the decoder: the head first, texts appended in
    // field order.
    size_t headBytes() const { return size_t(textAt_); }
    void startBlock(char* data) const;
    void setNull(char* data, int field) const;
    void setScalar(char* data, int field, qint32 v) const;
    // Marks the end of a text field whose units were written at texts(data) + begin.
    void setTextEnd(char* data, int field, quint32 end) const;
    static char16_t* texts(char* data, size_t headBytes) { return reinterpret_cast<char16_t*>(data + headBytes); }

private:
    enum class Kind : quint8 { Text, Scalar, Calculated };
    quint32 slot(const Row* row, int field) const
    {
        quint32 v;
        std::memcpy(&v, row->data + 4 * field, 4);
        return v;
    }
    const QChar* texts(const Row* row) const { return reinterpret_cast<const QChar*>(row->data + textAt_); }

    std::vector<Kind> kinds_;
    std::vector<FieldType> types_;
    std::vector<int> prevText_; // the text field before each field, -1 when none
    int nullsAt_ = 0;
    int textAt_ = 0;
};

} // namespace folianto::table
