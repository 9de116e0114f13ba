#pragma once
// Creates a dBase III table and appends records to it. The table is built in memory and
// written at once by save(), through a temporary file renamed over the target, so a failed
// export never leaves a half-written table under the chosen name.

#include "engines/dbf/DbfField.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace folianto::dbf {

class DbfWriter {
public:
    // The field list: entries "name;type;width;decimals" such as "Size;N;15;0". Throws DbfError
    // "Field list is invalid" for an empty list, a repeated name or a malformed entry.
    // `when` stamps the header as the time of the change.
    DbfWriter(const QStringList& fieldList, const QDateTime& when);

    static DbfFields parseFieldList(const QStringList& fieldList);
    static QString invalidFieldListText(); // "Field list is invalid"

    // `TranslateASCII`: character values are written in OEM (CP866) instead of Windows-1251.
    void setTranslate(bool on) { translate_ = on; }
    const DbfFields& fields() const { return fields_; }
    int fieldIndex(const QString& name) const; // throws DbfError when absent

    // Room for this many records, so that appending does not copy the table as it grows.
    void reserve(int records);
    // A new record of blanks; set fields, then post() adds it.
    void append();
    void setText(int field, QStringView text);
    // Throws DbfError (leaving the field as it was) when the number is wider than the field.
    void setNumber(int field, double value);
    void setNull(int field); // blanks; a numeric field gets 0
    void post();
    void setChangeTime(const QDateTime& when) { when_ = when; }

    int recordCount() const { return count_; }
    // The whole file: header, descriptors, 0x0D, records and the closing 0x1A.
    QByteArray bytes() const;
    // Writes the file atomically; throws DbfError when that fails. A name without an extension
    // gets ".DBF"; returns the name written.
    QString save(const QString& path) const;
    static QString withDefaultExtension(const QString& path);

private:
    char* fieldBytes(int field);

    DbfFields fields_;
    QByteArray file_;    // header, records and the closing 0x1A
    QByteArray record_;  // the record being built
    int headerLength_ = 0;
    int recordLength_ = 0;
    int count_ = 0;
    bool translate_ = false;
    bool appending_ = false;
    QDateTime when_;
};

} // namespace folianto::dbf
