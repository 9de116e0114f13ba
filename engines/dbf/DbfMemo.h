#pragma once
// The memo file beside a table: .DBT in 512-byte blocks (dBase III), .DBT with its own block
// size and block headers (dBase IV), .FPT with big-endian headers (FoxPro). Read on demand;
// a block number past the end or a length past the end reads as much as the file holds.

#include "engines/dbf/DbfHeader.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>

namespace folianto::dbf {

class DbfMemo {
public:
    // Finds the memo file of `tablePath` for `kind` (same name, extension .DBT or .FPT in either
    // case) and reads its header; throws DbfError when it is missing or unreadable.
    DbfMemo(const QString& tablePath, MemoKind kind);

    // The raw bytes of the memo starting at `block`; block 0 is an empty memo.
    QByteArray read(quint32 block);

    static constexpr qsizetype kMaxDbt3Text = 65519;
    static constexpr qint64 kMaxMemoLength = 16 * 1024 * 1024; // a longer claim is a lie

    // The memo file's name for a table and kind, among the files present; empty when none.
    static QString memoPathFor(const QString& tablePath, MemoKind kind);

private:
    QByteArray readAt(qint64 offset, qint64 length);

    QFile file_;
    MemoKind kind_;
    qint64 blockSize_ = 512;
};

} // namespace folianto::dbf
