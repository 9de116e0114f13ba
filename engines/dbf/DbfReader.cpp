#include "engines/dbf/DbfReader.h"

#include "engines/dbf/DbfError.h"
#include "engines/dbf/DbfMemo.h"
#include "engines/dbf/DbfValueText.h"

#include <algorithm>
#include <limits>

namespace folianto::dbf {

namespace {

constexpr qint64 kWindowBytes = 256 * 1024;

bool acceptedVersion(std::uint8_t v)
{
    return v == version::DBase3 || v == version::VisualFoxPro || v == version::DBase3Memo
        || v == version::DBase4Memo || v == version::FoxProMemo;
}

} // namespace

DbfReader::DbfReader() = default;
DbfReader::~DbfReader() = default;

void DbfReader::open(const QString& path)
{
    close();
    file_.setFileName(path);
    try {
        if (!file_.open(QIODevice::ReadOnly))
            throw DbfError(QStringLiteral("cannot open %1").arg(path));
        const QByteArray head = file_.read(DbfHeader::kSize);
        header_ = parseHeader(head);
        if (!acceptedVersion(header_.version))
            throw DbfError(QStringLiteral("not a table of a known kind"));
        if (header_.enciphered)
            throw DbfError(QStringLiteral("enciphered table"));
        if (header_.headerLength < DbfHeader::kSize + 1 || header_.recordLength < 1
            || header_.headerLength > file_.size())
            throw DbfError(QStringLiteral("damaged table header"));
        const int count = std::min(header_.fieldCountFromLength(), int(DbfHeader::kMaxFields));
        // The descriptors follow the header already read.
        const QByteArray descriptors = head + file_.read(qint64(count) * DbfHeader::kDescriptorSize);
        fields_ = parseDescriptors(descriptors, count, header_.recordLength);
        if (header_.memoKind() != MemoKind::None)
            memo_ = std::make_unique<DbfMemo>(path, header_.memoKind());
        const qint64 records = (file_.size() - header_.headerLength) / header_.recordLength;
        recordCount_ = int(std::min<qint64>(records, std::numeric_limits<int>::max()));
    } catch (...) {
        close();
        throw;
    }
    first();
}

void DbfReader::close()
{
    file_.close();
    file_.setFileName({});
    header_ = {};
    fields_.clear();
    memo_.reset();
    recordCount_ = current_ = 0;
    window_.clear();
    windowFirst_ = windowCount_ = 0;
}

QStringList DbfReader::offeredFieldNames() const
{
    QStringList names;
    for (const DbfField& f : fields_)
        if (f.offered())
            names.append(f.name);
    return names;
}

int DbfReader::findField(const QString& name) const
{
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_[i].name == name && fields_[i].offered())
            return i;
    return -1;
}

const char* DbfReader::record(int index)
{
    if (index < 0 || index >= recordCount_)
        return nullptr;
    if (index < windowFirst_ || index >= windowFirst_ + windowCount_) {
        const qint64 length = header_.recordLength;
        const int want = int(std::max<qint64>(1, kWindowBytes / length));
        const qint64 offset = header_.headerLength + qint64(index) * length;
        windowCount_ = 0;
        if (!file_.seek(offset))
            return nullptr;
        window_ = file_.read(std::min<qint64>(want, recordCount_ - index) * length);
        windowFirst_ = index;
        windowCount_ = int(window_.size() / length);
        if (windowCount_ == 0)
            return nullptr; // the file shrank under us
    }
    return window_.constData() + qint64(index - windowFirst_) * header_.recordLength;
}

bool DbfReader::isDeleted(int index)
{
    const char* r = record(index);
    return r && *r == '*';
}

QString DbfReader::text(int index, int field)
{
    const char* r = record(index);
    if (!r)
        throw DbfError(QStringLiteral("record %1 cannot be read").arg(index + 1));
    if (field < 0 || field >= fields_.size())
        throw DbfError(QStringLiteral("no field %1").arg(field));
    const DbfField& f = fields_[field];
    ValueContext context;
    context.translate = translate_;
    context.foxPro = header_.version == version::VisualFoxPro;
    if (memo_)
        context.memo = [this](quint32 block) { return memo_->read(block); };
    return valueText(f, QByteArrayView(r + f.offset, f.width), context);
}

void DbfReader::skipDeleted()
{
    while (current_ < recordCount_ && isDeleted(current_))
        ++current_;
}

void DbfReader::first()
{
    current_ = 0;
    skipDeleted();
}

void DbfReader::next()
{
    if (current_ < recordCount_)
        ++current_;
    skipDeleted();
}

QString DbfReader::text(const QString& fieldName)
{
    const int f = findField(fieldName);
    if (f < 0)
        throw DbfError(QStringLiteral("Field '%1' not found").arg(fieldName));
    return text(current_, f);
}

} // namespace folianto::dbf
