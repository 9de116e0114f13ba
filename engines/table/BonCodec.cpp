// The binary catalogue file:
//   header  magic (8 bytes), version (u16), flags (u16), CRC-32 of the payload (u32),
//           payload length (u64)
//   payload field count (u32); per field: name length (u16) and UTF-8 name, type (u8),
//           calculated (u8), width (u32); row count (u32); per row and stored field: a
//           presence byte (0 = null) and, when present, the value: text as length (u32) and
//           UTF-8, dates as day numbers (i64), integers as i16/i32, booleans as one byte.
// All numbers little-endian. The file must be exactly header plus payload.

#include "engines/table/Crc32.h"
#include "engines/table/RowStore.h"
#include "engines/table/TableData.h"
#include "engines/table/TableError.h"

#include <QDate>
#include <QStringDecoder>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace folianto::table {

namespace {

constexpr char kMagic[8] = {'\x89', 'F', 'B', 'O', 'N', '\r', '\n', '\x1a'};
constexpr quint16 kVersion = 1;
constexpr qsizetype kHeaderSize = 8 + 2 + 2 + 4 + 8;

QString damaged()
{
    return QStringLiteral("Файл каталога повреждён");
}

quint8 typeCode(FieldType t)
{
    return quint8(t);
}

FieldType typeFromCode(quint8 c)
{
    if (c > quint8(FieldType::Boolean))
        throw TableError(damaged());
    return FieldType(c);
}

// Appends to a byte array through a raw cursor, growing it geometrically; finish() cuts it
// to what was written. Much cheaper per value than QByteArray::append.
class Writer {
public:
    explicit Writer(QByteArray& out) : out_(out), p_(out.data() + out.size()), end_(p_) {}
    ~Writer() { finish(); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    template <typename T>
    void num(T v)
    {
        room(sizeof v);
        const T le = qToLittleEndian(v);
        std::memcpy(p_, &le, sizeof le);
        p_ += sizeof le;
    }
    void bytes(QByteArrayView b)
    {
        room(b.size());
        std::memcpy(p_, b.data(), size_t(b.size()));
        p_ += b.size();
    }
    // Length and UTF-8 of a text (a lone surrogate becomes U+FFFD).
    void text(QStringView s)
    {
        room(4 + s.size() * 3);
        auto* const lenAt = p_;
        auto* const base = reinterpret_cast<unsigned char*>(p_ + 4);
        unsigned char* p = base;
        const char16_t* u = s.utf16();
        const qsizetype n = s.size();
        for (qsizetype i = 0; i < n; ++i) {
            char32_t c = u[i];
            if (c < 0x80) {
                *p++ = static_cast<unsigned char>(c);
                continue;
            }
            if (c < 0x800) {
                *p++ = static_cast<unsigned char>(0xC0 | (c >> 6));
                *p++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
                continue;
            }
            if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(u[i + 1])) {
                c = QChar::surrogateToUcs4(char16_t(c), u[++i]);
                *p++ = static_cast<unsigned char>(0xF0 | (c >> 18));
                *p++ = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F));
                *p++ = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
                *p++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
                continue;
            }
            if (QChar::isSurrogate(c))
                c = 0xFFFD;
            *p++ = static_cast<unsigned char>(0xE0 | (c >> 12));
            *p++ = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
            *p++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
        }
        const quint32 le = qToLittleEndian(quint32(p - base));
        std::memcpy(lenAt, &le, sizeof le);
        p_ = reinterpret_cast<char*>(p);
    }
    void finish()
    {
        if (out_.size() != written())
            out_.resize(written());
        end_ = p_ = out_.data() + out_.size();
    }

private:
    qsizetype written() const { return p_ - out_.data(); }
    void room(qsizetype n)
    {
        if (end_ - p_ >= n)
            return;
        const qsizetype used = written();
        out_.resize(std::max(used + n, out_.size() * 2 + 4096));
        p_ = out_.data() + used;
        end_ = out_.data() + out_.size();
    }

    QByteArray& out_;
    char* p_;
    char* end_;
};

class Reader {
public:
    explicit Reader(QByteArrayView in) : in_(in) {}
    template <typename T>
    T num()
    {
        need(sizeof(T));
        T v;
        std::memcpy(&v, in_.data() + pos_, sizeof v);
        pos_ += sizeof(T);
        return qFromLittleEndian(v);
    }
    QByteArrayView bytes(quint64 n)
    {
        need(n);
        QByteArrayView v = in_.sliced(pos_, qsizetype(n));
        pos_ += qsizetype(n);
        return v;
    }
    qsizetype remaining() const { return in_.size() - pos_; }
    qsizetype position() const { return pos_; }

private:
    void need(quint64 n) const
    {
        if (n > quint64(remaining()))
            throw TableError(damaged());
    }
    QByteArrayView in_;
    qsizetype pos_ = 0;
};

// One stored value of a row in the store.
void writeValue(Writer& w, const RowFormat& format, const Row* row, int field, FieldType type)
{
    if (format.isNull(row, field)) {
        w.num<quint8>(0);
        return;
    }
    w.num<quint8>(1);
    switch (type) {
    case FieldType::String:
    case FieldType::FixedString:
    case FieldType::Memo:
        w.text(format.text(row, field));
        break;
    case FieldType::Date:
        w.num<qint64>(format.scalar(row, field));
        break;
    case FieldType::Int16:
        w.num<qint16>(qint16(format.scalar(row, field)));
        break;
    case FieldType::Int32:
        w.num<qint32>(format.scalar(row, field));
        break;
    case FieldType::Boolean:
        w.num<quint8>(format.scalar(row, field) != 0 ? 1 : 0);
        break;
    }
}

// Walks one stored value: checks its form and returns its text bytes (empty for others).
// `value` receives the scalar of a number, date or boolean.
QByteArrayView readValue(Reader& r, const FieldDef& def, bool& present, qint32& value)
{
    const quint8 flag = r.num<quint8>();
    present = flag == 1;
    if (flag == 0)
        return {};
    if (flag != 1)
        throw TableError(damaged());
    switch (def.type) {
    case FieldType::String:
    case FieldType::FixedString:
    case FieldType::Memo:
        return r.bytes(r.num<quint32>());
    case FieldType::Date: {
        const qint64 day = r.num<qint64>();
        const QDate d = QDate::fromJulianDay(day);
        if (!d.isValid() || d.year() < 1 || d.year() > 9999)
            throw TableError(damaged());
        value = qint32(day);
        return {};
    }
    case FieldType::Int16:
        value = r.num<qint16>();
        return {};
    case FieldType::Int32:
        value = r.num<qint32>();
        return {};
    case FieldType::Boolean: {
        const quint8 b = r.num<quint8>();
        if (b > 1)
            throw TableError(damaged());
        value = b;
        return {};
    }
    }
    throw TableError(damaged());
}

// The rows, decoded straight into the store's blocks: a first walk over a row sizes its block
// (UTF-8 never takes fewer bytes than UTF-16 units), the second fills it.
void readRows(Reader& r, quint32 rowCount, const FieldDefs& fileDefs, RowStore& store,
              const std::function<void()>& progress)
{
    const RowFormat& format = store.format();
    const FieldDefs& defs = store.defs();
    const size_t head = format.headBytes();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    std::vector<Row*> rows;
    rows.reserve(rowCount);
    bool present = false;
    qint32 value = 0;
    for (quint32 n = 0; n < rowCount; ++n) {
        Reader walk = r;
        size_t textBytes = 0;
        for (const FieldDef& f : fileDefs)
            if (!f.calculated)
                textBytes += size_t(readValue(walk, f, present, value).size());
        Row* row = store.newPooledRow(head + 2 * textBytes);
        format.startBlock(row->data);
        char16_t* const texts = RowFormat::texts(row->data, head);
        quint32 end = 0;
        for (int i = 0; i < defs.size(); ++i) {
            if (i >= fileDefs.size() || fileDefs[i].calculated) {
                format.setNull(row->data, i);
                continue;
            }
            const FieldDef& f = fileDefs[i];
            const QByteArrayView bytes = readValue(r, f, present, value);
            if (!present) {
                format.setNull(row->data, i);
                if (isTextType(f.type))
                    format.setTextEnd(row->data, i, end);
            } else if (isTextType(f.type)) {
                QChar* const out = reinterpret_cast<QChar*>(texts + end);
                qsizetype units = utf8.appendToBuffer(out, bytes) - out;
                if (f.type != FieldType::Memo && units > f.size)
                    units = f.size;
                end += quint32(units);
                format.setTextEnd(row->data, i, end);
            } else {
                format.setScalar(row->data, i, value);
            }
        }
        store.trimPooledData(row, head + 2 * size_t(end));
        rows.push_back(row);
        if (progress && n % 4096 == 4095)
            progress();
    }
    store.adoptAll(std::move(rows));
}

} // namespace

bool looksLikeBon(QByteArrayView bytes)
{
    return bytes.size() >= qsizetype(sizeof kMagic) && std::memcmp(bytes.data(), kMagic, sizeof kMagic) == 0;
}

QByteArray encodeBon(const RowStore& store)
{
    const FieldDefs& defs = store.defs();
    const RowFormat& format = store.format();
    // The header is written last, in place, so the payload is never copied.
    QByteArray file(kHeaderSize, Qt::Uninitialized);
    file.reserve(kHeaderSize + qsizetype(store.size()) * 256 + 1024);
    {
        Writer w(file);
        w.num<quint32>(quint32(defs.size()));
        for (const FieldDef& f : defs) {
            const QByteArray name = f.name.toUtf8();
            w.num<quint16>(quint16(name.size()));
            w.bytes(name);
            w.num<quint8>(typeCode(f.type));
            w.num<quint8>(f.calculated ? 1 : 0);
            w.num<quint32>(quint32(f.size));
        }
        w.num<quint32>(quint32(store.size()));
        store.rows().forEach([&](const Row* row) {
            for (int i = 0; i < defs.size(); ++i)
                if (!defs[i].calculated)
                    writeValue(w, format, row, i, defs[i].type);
        });
    }
    const QByteArrayView payload = QByteArrayView(file).sliced(kHeaderSize);
    const quint32 crc = crc32(payload);
    const quint64 length = quint64(payload.size());
    char* h = file.data();
    std::memcpy(h, kMagic, sizeof kMagic);
    const quint16 version = qToLittleEndian(kVersion);
    const quint16 flags = 0;
    const quint32 crcLe = qToLittleEndian(crc);
    const quint64 lengthLe = qToLittleEndian(length);
    std::memcpy(h + 8, &version, 2);
    std::memcpy(h + 10, &flags, 2);
    std::memcpy(h + 12, &crcLe, 4);
    std::memcpy(h + 16, &lengthLe, 8);
    return file;
}

QByteArray encodeBon(const TableData& table)
{
    RowStore store(table.defs);
    store.replaceAll(table.rows);
    return encodeBon(store);
}

std::shared_ptr<RowStore> loadBon(QByteArrayView bytes, const FieldDefs& programDefs, const ConsumedFn& consumed)
{
    if (!looksLikeBon(bytes))
        throw TableError(QStringLiteral("Файл не является каталогом"));
    Reader header(bytes.sliced(sizeof kMagic));
    const quint16 version = header.num<quint16>();
    if (version > kVersion)
        throw TableError(QStringLiteral("Каталог записан более новой версией программы"));
    if (version == 0)
        throw TableError(damaged());
    header.num<quint16>(); // flags, none defined yet
    const quint32 crc = header.num<quint32>();
    const quint64 length = header.num<quint64>();
    if (length != quint64(bytes.size() - kHeaderSize))
        throw TableError(damaged());
    const QByteArrayView payload = bytes.sliced(kHeaderSize);
    // The whole payload is checked before any row is read, in slices the reader can let go.
    quint32 sum = crc32(QByteArrayView());
    constexpr qsizetype kSlice = qsizetype(8) << 20;
    for (qsizetype at = 0; at < payload.size(); at += kSlice) {
        sum = crc32(payload.sliced(at, std::min(kSlice, payload.size() - at)), sum);
        if (consumed)
            consumed(kHeaderSize + at);
    }
    if (sum != crc)
        throw TableError(damaged());
    if (consumed)
        consumed(0);

    Reader r(payload);
    FieldDefs fileDefs;
    const quint32 fieldCount = r.num<quint32>();
    if (fieldCount == 0 || fieldCount > 1000)
        throw TableError(damaged());
    int stored = 0;
    for (quint32 i = 0; i < fieldCount; ++i) {
        FieldDef f;
        f.name = QString::fromUtf8(r.bytes(r.num<quint16>()));
        f.type = typeFromCode(r.num<quint8>());
        const quint8 calc = r.num<quint8>();
        if (calc > 1)
            throw TableError(damaged());
        f.calculated = calc == 1;
        const quint32 size = r.num<quint32>();
        if (size > 65535)
            throw TableError(damaged());
        f.size = int(size);
        stored += f.calculated ? 0 : 1;
        fileDefs.append(f);
    }
    try {
        checkFieldDefs(fileDefs);
    } catch (const TableError&) {
        throw TableError(damaged());
    }
    const quint32 rowCount = r.num<quint32>();
    // Every stored value takes at least its presence byte.
    if (rowCount > 0 && (stored == 0 || quint64(rowCount) * quint64(stored) > quint64(r.remaining())))
        throw TableError(damaged());
    auto store = std::make_shared<RowStore>(withProgramCalculated(fileDefs, programDefs));
    std::function<void()> progress;
    if (consumed)
        progress = [&] { consumed(kHeaderSize + r.position()); };
    readRows(r, rowCount, fileDefs, *store, progress);
    if (r.remaining() != 0)
        throw TableError(damaged());
    return store;
}

TableData decodeBon(QByteArrayView bytes)
{
    return tableData(*loadBon(bytes, {}));
}

} // namespace folianto::table
