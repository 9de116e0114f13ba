#include "engines/dbf/DbfWriter.h"

#include "engines/codepage/CodePages.h"
#include "engines/dbf/DbfError.h"
#include "engines/dbf/DbfHeader.h"
#include "engines/table/AtomicFile.h"
#include "engines/table/TableError.h"

#include <QFileInfo>
#include <QSet>
#include <cstring>

namespace folianto::dbf {

QString DbfWriter::invalidFieldListText() { return QStringLiteral("Field list is invalid"); }

DbfFields DbfWriter::parseFieldList(const QStringList& fieldList)
{
    if (fieldList.isEmpty())
        throw DbfError(invalidFieldListText());
    DbfFields fields;
    QSet<QString> names;
    int offset = 1;
    for (const QString& entry : fieldList) {
        const QStringList parts = entry.split(u';');
        bool widthOk = false, decimalsOk = false;
        if (parts.size() != 4 || parts[0].trimmed().isEmpty() || parts[1].trimmed().size() != 1)
            throw DbfError(invalidFieldListText());
        DbfField f;
        f.name = parts[0].trimmed().toUpper().left(10);
        f.type = char(parts[1].trimmed().toUpper().at(0).toLatin1());
        f.width = parts[2].trimmed().toInt(&widthOk);
        f.decimals = parts[3].trimmed().toInt(&decimalsOk);
        if (!widthOk || !decimalsOk || names.contains(f.name) || !QByteArrayView("CNFDLMBG").contains(f.type))
            throw DbfError(invalidFieldListText());
        switch (f.type) {
        case 'D': f.width = 8; f.decimals = 0; break;
        case 'L': f.width = 1; f.decimals = 0; break;
        case 'M': case 'B': case 'G': f.width = 10; f.decimals = 0; break;
        case 'C':
            f.decimals = 0;
            if (f.width < 1 || f.width > 65535)
                throw DbfError(invalidFieldListText());
            break;
        default:
            if (f.width < 1 || f.width > 255 || f.decimals < 0 || f.decimals > 255)
                throw DbfError(invalidFieldListText());
        }
        f.offset = offset;
        offset += f.width;
        if (offset > 65535)
            throw DbfError(invalidFieldListText());
        names.insert(f.name);
        fields.append(f);
    }
    return fields;
}

DbfWriter::DbfWriter(const QStringList& fieldList, const QDateTime& when)
    : fields_(parseFieldList(fieldList)), when_(when)
{
    headerLength_ = DbfHeader::kDescriptorSize * int(fields_.size()) + DbfHeader::kSize + 1;
    recordLength_ = fields_.last().offset + fields_.last().width;
    if (headerLength_ > 65535)
        throw DbfError(invalidFieldListText());
    bool memo = false;
    for (const DbfField& f : fields_)
        memo = memo || f.type == 'M';
    file_ = QByteArray(DbfHeader::kSize, '\0');
    file_[0] = char(memo ? version::DBase3Memo : version::DBase3);
    writeLe16(file_.data() + 8, std::uint16_t(headerLength_));
    writeLe16(file_.data() + 10, std::uint16_t(recordLength_));
    stampHeader(file_, 0, when_);
    for (const DbfField& f : fields_)
        file_ += descriptorBytes(f);
    file_ += '\x0D';
    file_ += '\x1A';
}

void DbfWriter::reserve(int records)
{
    file_.reserve(headerLength_ + qsizetype(records) * recordLength_ + 1);
}

int DbfWriter::fieldIndex(const QString& name) const
{
    const QString upper = name.toUpper().left(10);
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_[i].name == upper)
            return i;
    throw DbfError(QStringLiteral("Field '%1' not found").arg(name));
}

void DbfWriter::append()
{
    record_.fill(' ', recordLength_);
    appending_ = true;
}

char* DbfWriter::fieldBytes(int field)
{
    if (!appending_)
        throw DbfError(QStringLiteral("Table is not in append mode"));
    if (field < 0 || field >= fields_.size())
        throw DbfError(QStringLiteral("no field %1").arg(field));
    return record_.data() + fields_[field].offset;
}

void DbfWriter::setText(int field, QStringView text)
{
    char* p = fieldBytes(field);
    const DbfField& f = fields_[field];
    if (f.type == 'N' || f.type == 'F') {
        bool ok = false;
        const QStringView t = text.trimmed();
        const double v = t.isEmpty() ? 0.0 : t.toDouble(&ok);
        if (!ok && !t.isEmpty())
            throw DbfError(QStringLiteral("'%1' is not a valid number").arg(text));
        setNumber(field, v);
        return;
    }
    const QByteArray bytes = translate_ ? codepage::toCp866(text) : codepage::toCp1251(text);
    std::memset(p, ' ', size_t(f.width));
    std::memcpy(p, bytes.constData(), size_t(std::min<qsizetype>(bytes.size(), f.width)));
}

void DbfWriter::setNumber(int field, double value)
{
    char* p = fieldBytes(field);
    const DbfField& f = fields_[field];
    if (f.type != 'N' && f.type != 'F') {
        setText(field, QString::number(value, 'f', 0));
        return;
    }
    const QByteArray digits = QByteArray::number(value, 'f', f.decimals);
    if (digits.size() > f.width)
        throw DbfError(QStringLiteral("Field %1: value %2 does not fit").arg(f.name, QString::fromLatin1(digits)));
    std::memset(p, ' ', size_t(f.width - digits.size()));
    std::memcpy(p + f.width - digits.size(), digits.constData(), size_t(digits.size()));
}

void DbfWriter::setNull(int field)
{
    const DbfField& f = fields_.value(field);
    if (f.type == 'N' || f.type == 'F')
        setNumber(field, 0);
    else
        std::memset(fieldBytes(field), ' ', size_t(f.width));
}

void DbfWriter::post()
{
    if (!appending_)
        throw DbfError(QStringLiteral("Table is not in append mode"));
    file_.chop(1);
    file_ += record_;
    file_ += '\x1A';
    ++count_;
    appending_ = false;
    // The date and time were stamped once; only the record count moves.
    writeLe32(file_.data() + 4, std::uint32_t(count_));
}

QByteArray DbfWriter::bytes() const
{
    return file_;
}

QString DbfWriter::withDefaultExtension(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".DBF") : path;
}

QString DbfWriter::save(const QString& path) const
{
    const QString target = withDefaultExtension(path);
    try {
        table::writeFileAtomically(target, bytes());
    } catch (const table::TableError& e) {
        throw DbfError(e.message());
    }
    return target;
}

} // namespace folianto::dbf
