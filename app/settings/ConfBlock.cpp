#include "app/settings/ConfBlock.h"

#include "app/settings/SettingsError.h"

#include <QtEndian>

namespace folianto::settings {

namespace {

// Offsets of the font records: size (4), charset (1), colour at +8 (4), style at +12 (1).
constexpr int FastFontAt = 0;
constexpr int RichFontAt = 16;
constexpr int GridFontAt = 32;
constexpr int TitleFontAt = 48;

// Reads fields that lie wholly within the block; a field cut off by a short block is left as is.
class BlockReader {
public:
    explicit BlockReader(const QByteArray& block) : block_(block) {}

    void int32(int at, qint32& target) const
    {
        if (at + 4 <= block_.size())
            target = qFromLittleEndian<qint32>(block_.constData() + at);
    }
    void uint8(int at, quint8& target) const
    {
        if (at < block_.size())
            target = quint8(block_[at]);
    }
    void check(int at, bool& target) const
    {
        if (at < block_.size())
            target = block_[at] != 0;
    }
    void color(int at, WinColor& target) const
    {
        if (at + 4 <= block_.size())
            target = WinColor(qFromLittleEndian<quint32>(block_.constData() + at));
    }
    void font(int at, FontSetting& f) const
    {
        int32(at, f.size);
        uint8(at + 4, f.charset);
        color(at + 8, f.color);
        uint8(at + 12, f.style);
    }
    // Left, top, height, width: height comes before width.
    void geometry(int at, QRect& r) const
    {
        qint32 left = r.x(), top = r.y(), height = r.height(), width = r.width();
        int32(at, left);
        int32(at + 4, top);
        int32(at + 8, height);
        int32(at + 12, width);
        r = QRect(left, top, width, height);
    }
    int size() const { return int(block_.size()); }

private:
    const QByteArray& block_;
};

class BlockWriter {
public:
    explicit BlockWriter(int size) : block_(size, '\0') {}

    void int32(int at, qint32 v) { qToLittleEndian<qint32>(v, block_.data() + at); }
    void uint8(int at, quint8 v) { block_[at] = char(v); }
    void check(int at, bool v) { block_[at] = v ? 1 : 0; }
    void color(int at, WinColor c) { qToLittleEndian<quint32>(c.value(), block_.data() + at); }
    void font(int at, const FontSetting& f)
    {
        int32(at, f.size);
        uint8(at + 4, f.charset);
        color(at + 8, f.color);
        uint8(at + 12, f.style);
    }
    void geometry(int at, const QRect& r)
    {
        int32(at, r.x());
        int32(at + 4, r.y());
        int32(at + 8, r.height());
        int32(at + 12, r.width());
    }
    QByteArray take() { return std::move(block_); }

private:
    QByteArray block_;
};

void refuseLonger(const QByteArray& block, int size, const QString& name)
{
    if (block.size() > size)
        throw SettingsError(QStringLiteral("Значение «%1» в настройках длиннее %2 байт (%3 байт).")
                                .arg(name)
                                .arg(size)
                                .arg(block.size()));
}

} // namespace

QByteArray encodeConf(const ProgramSettings& s)
{
    BlockWriter w(ConfSize);
    w.font(FastFontAt, s.fastFont);
    w.font(RichFontAt, s.richFont);
    w.font(GridFontAt, s.gridFont);
    w.font(TitleFontAt, s.titleFont);
    w.color(64, s.background);
    w.geometry(68, s.geometry);
    w.check(84, s.showBar);
    w.check(85, s.showStatus);
    w.check(86, s.fastRead);
    w.check(87, s.subDirs);
    w.check(88, s.writeFound);
    w.check(89, s.caseSensitive);
    w.check(90, s.confirmClose);
    w.check(91, s.warnSimilarLink);
    w.check(92, s.testFile);
    w.check(93, s.fullScreen);
    w.check(94, s.fscan);
    w.int32(96, s.haTimeout);
    w.int32(100, s.partSize);
    w.uint8(104, s.exportDelimiter);
    w.check(105, s.impExt);
    w.check(106, s.impFolder);
    w.check(107, s.impPath);
    w.check(108, s.impDate);
    w.check(109, s.arc);
    return w.take();
}

void decodeConf(const QByteArray& block, ProgramSettings& s, const QString& name)
{
    refuseLonger(block, ConfSize, name);
    const BlockReader r(block);
    r.font(FastFontAt, s.fastFont);
    r.font(RichFontAt, s.richFont);
    r.font(GridFontAt, s.gridFont);
    r.font(TitleFontAt, s.titleFont);
    r.color(64, s.background);
    r.geometry(68, s.geometry);
    r.check(84, s.showBar);
    r.check(85, s.showStatus);
    r.check(86, s.fastRead);
    r.check(87, s.subDirs);
    r.check(88, s.writeFound);
    r.check(89, s.caseSensitive);
    r.check(90, s.confirmClose);
    r.check(91, s.warnSimilarLink);
    r.check(92, s.testFile);
    r.check(93, s.fullScreen);
    r.check(94, s.fscan);
    r.int32(96, s.haTimeout);
    r.int32(100, s.partSize);
    r.uint8(104, s.exportDelimiter);
    r.check(105, s.impExt);
    r.check(106, s.impFolder);
    r.check(107, s.impPath);
    r.check(108, s.impDate);
    r.check(109, s.arc);
}

QList<qint32> decodeConfig(const QByteArray& block, ProgramSettings& s, const QString& name)
{
    refuseLonger(block, ConfigSize, name);
    const BlockReader r(block);
    r.font(FastFontAt, s.fastFont);
    r.font(RichFontAt, s.richFont);
    r.color(32, s.background);
    r.geometry(36, s.geometry);
    r.check(52, s.showBar);
    r.check(53, s.fastRead);
    QList<qint32> widths;
    for (int i = 0; i < ConfigColumnWidths && 56 + 4 * i + 4 <= r.size(); ++i) {
        qint32 width = 0;
        r.int32(56 + 4 * i, width);
        widths << width;
    }
    r.check(92, s.subDirs);
    r.check(93, s.writeFound);
    r.int32(96, s.partSize);
    r.uint8(100, s.exportDelimiter);
    return widths;
}

} // namespace folianto::settings
