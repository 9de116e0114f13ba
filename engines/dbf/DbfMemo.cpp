#include "engines/dbf/DbfMemo.h"

#include "engines/dbf/DbfError.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>

namespace folianto::dbf {

QString DbfMemo::memoPathFor(const QString& tablePath, MemoKind kind)
{
    const QString ext = kind == MemoKind::Fpt ? QStringLiteral("fpt") : QStringLiteral("dbt");
    const QFileInfo info(tablePath);
    const QString stem = info.path() + u'/' + info.completeBaseName() + u'.';
    for (const QString& candidate : QStringList{stem + ext.toUpper(), stem + ext})
        if (QFileInfo(candidate).isFile())
            return candidate;
    // Tables copied from systems that ignore case may name the memo file in any case.
    const QStringList found = QDir(info.path()).entryList({info.completeBaseName() + u'.' + ext}, QDir::Files);
    return found.isEmpty() ? QString() : info.path() + u'/' + found.first();
}

DbfMemo::DbfMemo(const QString& tablePath, MemoKind kind) : kind_(kind)
{
    const QString path = memoPathFor(tablePath, kind);
    if (path.isEmpty())
        throw DbfError(QStringLiteral("memo file missing"));
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly))
        throw DbfError(QStringLiteral("memo file unreadable"));
    if (kind == MemoKind::Dbt512)
        return;
    const QByteArray header = file_.read(32);
    if (header.size() < 32)
        throw DbfError(QStringLiteral("memo file header cut short"));
    blockSize_ = kind == MemoKind::Fpt ? qFromBigEndian<std::uint16_t>(header.constData() + 6) : readLe32(header.constData() + 20);
    if (blockSize_ <= 0)
        throw DbfError(QStringLiteral("memo file block size is 0"));
}

QByteArray DbfMemo::readAt(qint64 offset, qint64 length)
{
    const qint64 available = file_.size() - offset;
    if (offset < 0 || available <= 0 || length <= 0 || !file_.seek(offset))
        return {};
    return file_.read(std::min({length, available, kMaxMemoLength}));
}

QByteArray DbfMemo::read(quint32 block)
{
    if (block == 0)
        return {};
    const qint64 start = qint64(block) * blockSize_;
    switch (kind_) {
    case MemoKind::Dbt512: {
        QByteArray text = readAt(start, kMaxDbt3Text);
        const qsizetype end = text.indexOf('\x1A');
        if (end >= 0)
            text.truncate(end);
        return text;
    }
    case MemoKind::Dbt4: {
        const QByteArray head = readAt(start, 8);
        if (head.size() < 8 || !head.startsWith(QByteArrayView("\xFF\xFF\x08\x00", 4)))
            return {};
        return readAt(start + 8, qint64(readLe32(head.constData() + 4)) - 8);
    }
    case MemoKind::Fpt: {
        const QByteArray head = readAt(start, 8);
        if (head.size() < 8)
            return {};
        return readAt(start + 8, qint64(readBe32(head.constData() + 4)));
    }
    case MemoKind::None:
        break;
    }
    return {};
}

} // namespace folianto::dbf
