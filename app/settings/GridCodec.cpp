#include "app/settings/GridCodec.h"

#include <QtEndian>

namespace folianto::settings {

namespace {

constexpr char Magic[4] = {'F', 'G', 'R', 'D'};
constexpr quint8 Version = 1;

class GridWriter {
public:
    void bytes(QByteArrayView b) { out_ += b; }
    void u8(quint8 v) { out_ += char(v); }
    void u16(quint16 v)
    {
        char b[2];
        qToLittleEndian(v, b);
        out_.append(b, 2);
    }
    void u32(quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        out_.append(b, 4);
    }
    void text(const QString& s)
    {
        const QByteArray utf8 = s.toUtf8().left(0xFFFF);
        u16(quint16(utf8.size()));
        out_ += utf8;
    }
    void font(const FontSetting& f)
    {
        text(f.name);
        u32(quint32(f.size));
        u8(f.charset);
        u32(f.color.value());
        u8(f.style);
    }
    QByteArray take() { return std::move(out_); }

private:
    QByteArray out_;
};

// Every read checks the bytes left; the first shortfall makes the reader fail for good.
class GridReader {
public:
    explicit GridReader(const QByteArray& in) : in_(in) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return pos_ == in_.size(); }

    QByteArrayView bytes(qsizetype n)
    {
        if (!ok_ || n > in_.size() - pos_) {
            ok_ = false;
            return {};
        }
        const QByteArrayView v = QByteArrayView(in_).sliced(pos_, n);
        pos_ += n;
        return v;
    }
    quint8 u8()
    {
        const QByteArrayView b = bytes(1);
        return ok_ ? quint8(b[0]) : 0;
    }
    quint16 u16()
    {
        const QByteArrayView b = bytes(2);
        return ok_ ? qFromLittleEndian<quint16>(b.data()) : 0;
    }
    quint32 u32()
    {
        const QByteArrayView b = bytes(4);
        return ok_ ? qFromLittleEndian<quint32>(b.data()) : 0;
    }
    QString text()
    {
        const quint16 n = u16();
        const QByteArrayView b = bytes(n);
        if (!ok_)
            return {};
        QString s = QString::fromUtf8(b);
        if (s.toUtf8() != b) // not valid UTF-8: not a value we wrote
            ok_ = false;
        return s;
    }
    bool flag()
    {
        const quint8 v = u8();
        if (v > 1)
            ok_ = false;
        return v == 1;
    }
    FontSetting font()
    {
        FontSetting f;
        f.name = text();
        f.size = qint32(u32());
        f.charset = u8();
        f.color = WinColor(u32());
        f.style = u8();
        return f;
    }

private:
    const QByteArray& in_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

} // namespace

QByteArray encodeGrid(const QList<GridColumn>& columns)
{
    if (columns.isEmpty())
        return {};
    GridWriter w;
    w.bytes(QByteArrayView(Magic, 4));
    w.u8(Version);
    w.u16(quint16(qMin<qsizetype>(columns.size(), 0xFFFF)));
    for (const GridColumn& c : columns.first(qMin<qsizetype>(columns.size(), 0xFFFF))) {
        w.text(c.field);
        w.text(c.title);
        w.u32(quint32(c.width));
        w.u8(c.visible ? 1 : 0);
        w.u32(c.titleColor.value());
        w.font(c.font);
        w.font(c.titleFont);
    }
    return w.take();
}

std::optional<QList<GridColumn>> decodeGrid(const QByteArray& bytes)
{
    GridReader r(bytes);
    if (r.bytes(4) != QByteArrayView(Magic, 4) || r.u8() != Version)
        return std::nullopt;
    const quint16 count = r.u16();
    if (!r.ok() || count == 0)
        return std::nullopt;
    QList<GridColumn> columns;
    for (int i = 0; i < count && r.ok(); ++i) {
        GridColumn c;
        c.field = r.text();
        c.title = r.text();
        c.width = qint32(r.u32());
        c.visible = r.flag();
        c.titleColor = WinColor(r.u32());
        c.font = r.font();
        c.titleFont = r.font();
        columns << c;
    }
    if (!r.ok() || !r.atEnd())
        return std::nullopt;
    return columns;
}

} // namespace folianto::settings
