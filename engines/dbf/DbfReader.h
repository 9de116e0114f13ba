#pragma once
// Reads a dBase / FoxPro table (versions 0x03, 0x30, 0x83, 0x8B, 0xF5) with its memo file.
// The record count comes from the file size, not from the header; records are read on demand
// through a small window, so neither a large table nor a lying header costs memory. Deleted
// records count but the walk skips them.

#include "engines/dbf/DbfField.h"
#include "engines/dbf/DbfHeader.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <memory>

namespace folianto::dbf {

class DbfMemo;

class DbfReader {
public:
    DbfReader();
    ~DbfReader();
    DbfReader(const DbfReader&) = delete;
    DbfReader& operator=(const DbfReader&) = delete;

    // Opens a table read-only; throws DbfError (and stays closed) for a file that is not a table
    // of an accepted version, is enciphered, lacks its memo file or cannot be read.
    void open(const QString& path);
    void close();
    bool isOpen() const { return file_.isOpen(); }
    QString fileName() const { return file_.fileName(); }
    const DbfHeader& header() const { return header_; }

    // `TranslateASCII`: character and memo text read as OEM (CP866) instead of Windows-1251.
    void setTranslate(bool on) { translate_ = on; }
    bool translate() const { return translate_; }

    const DbfFields& fields() const { return fields_; }
    QStringList offeredFieldNames() const; // in descriptor order
    int findField(const QString& name) const; // -1 when absent

    // Complete records the file holds, deleted ones included.
    int recordCount() const { return recordCount_; }
    // False for a record that cannot be read as well as for a live one.
    bool isDeleted(int record);
    // The value of a field of any record, as text; throws DbfError for a record that cannot be
    // read or a numeric field that holds no number.
    QString text(int record, int field);

    // The walk over live records in file order.
    void first();
    void next();
    bool eof() const { return current_ >= recordCount_; }
    int current() const { return current_; }
    QString text(const QString& fieldName); // of the current record; throws for an unknown name

private:
    const char* record(int index);
    void skipDeleted();

    QFile file_;
    DbfHeader header_;
    DbfFields fields_;
    std::unique_ptr<DbfMemo> memo_;
    int recordCount_ = 0;
    int current_ = 0;
    bool translate_ = false;
    // Window of whole records read from the file.
    QByteArray window_;
    int windowFirst_ = 0;
    int windowCount_ = 0;
};

} // namespace folianto::dbf
