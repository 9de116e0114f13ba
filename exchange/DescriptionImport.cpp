#include "exchange/DescriptionImport.h"

#include "catalogue/CatalogueRecord.h"
#include "engines/codepage/CodePages.h"
#include "engines/codepage/TextDetect.h"
#include "exchange/ImportSink.h"
#include "util/Paths.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <limits>

namespace folianto::exchange {

namespace field = catalogue::field;

namespace {

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= u' ';
}

QString trimmed(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isBlankOrControl(s[b]))
        ++b;
    while (e > b && isBlankOrControl(s[e - 1]))
        --e;
    return s.mid(b, e - b).toString();
}

// One step of the split: the field before the first occurrence of the separator, and the text
// after it. Without a separator, without an occurrence, or with the first occurrence on the
// last character, the field is the whole text and nothing remains.
struct Cut {
    QStringView field;
    QStringView rest;
    bool split = false;
};

Cut cutAt(QStringView text, const QString& separator)
{
    if (separator.isEmpty())
        return {text, {}, false};
    const qsizetype at = text.indexOf(separator);
    if (at < 0 || at == text.size() - 1)
        return {text, {}, false};
    return {text.left(at), text.mid(at + separator.size()), true};
}

const QString* fieldOf(FieldTarget target)
{
    switch (target) {
    case FieldTarget::Book: return &field::BookName;
    case FieldTarget::Author: return &field::Author;
    case FieldTarget::Comment: return &field::Comment;
    case FieldTarget::None: break;
    }
    return nullptr;
}

bool startsWithNonEmpty(const QString& line, const QString& prefix)
{
    return !prefix.isEmpty() && line.startsWith(prefix);
}

} // namespace

QString targetName(FieldTarget target)
{
    switch (target) {
    case FieldTarget::Book: return QStringLiteral("Книга");
    case FieldTarget::Author: return QStringLiteral("Автор");
    case FieldTarget::Comment: return QStringLiteral("Прим");
    case FieldTarget::None: break;
    }
    return {};
}

std::optional<FieldTarget> targetFromName(const QString& name)
{
    for (FieldTarget t : {FieldTarget::None, FieldTarget::Book, FieldTarget::Author, FieldTarget::Comment})
        if (targetName(t) == name)
            return t;
    return std::nullopt;
}

QString decodeDescriptionBytes(const QByteArray& bytes)
{
    QBuffer sample;
    sample.setData(bytes);
    sample.open(QIODevice::ReadOnly);
    if (codepage::LooksLikeDosText(sample))
        return codepage::fromCp866(bytes);
    bool beyondAscii = false;
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) {
            beyondAscii = true;
            break;
        }
    if (beyondAscii) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString text = utf8(bytes);
        if (!utf8.hasError())
            return text;
    }
    return codepage::fromCp1251(bytes);
}

QString readDescriptionText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeDescriptionBytes(file.readAll());
}

QStringList descriptionLines(const QString& text, const QString& merge)
{
    QStringList lines;
    const QStringView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != u'\r' && all[end] != u'\n')
            ++end;
        const QStringView line = all.mid(start, end - start);
        // A continuation line is appended to the line before it with one blank; the blanks
        // after the continuation text stay.
        if (!merge.isEmpty() && !lines.isEmpty() && line.startsWith(merge))
            lines.last() += u' ' + line.mid(merge.size());
        else
            lines.append(line.toString());
        if (end < all.size() && all[end] == u'\r' && end + 1 < all.size() && all[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

QStringList preparedDescriptionLines(const QString& text, const DescriptionSettings& settings)
{
    return descriptionLines(text, settings.merge);
}

QString effectiveSeparator(const QString& separator)
{
    if (separator.startsWith(u't') || separator.startsWith(u'T'))
        return QStringLiteral("\t");
    return separator;
}

std::array<QString, 4> splitDescriptionLine(const QString& line, const std::array<QString, 3>& separators)
{
    // f1 from the line; f2 only when f1 came from a split and is not empty; f3 likewise from
    // f2; f4 is whatever follows the third separator.
    std::array<QString, 4> fields;
    const Cut c1 = cutAt(line, effectiveSeparator(separators[0]));
    fields[0] = trimmed(c1.field);
    if (c1.split && !c1.field.isEmpty()) {
        const Cut c2 = cutAt(c1.rest, effectiveSeparator(separators[1]));
        fields[1] = trimmed(c2.field);
        if (c2.split && !c2.field.isEmpty()) {
            const Cut c3 = cutAt(c2.rest, effectiveSeparator(separators[2]));
            fields[2] = trimmed(c3.field);
            if (c3.split)
                fields[3] = trimmed(c3.rest);
        }
    }
    return fields;
}

void importDescriptionLines(const QStringList& lines, const QString& baseFolder,
                            const DescriptionSettings& settings, ImportSink& sink)
{
    table::Dataset& ds = sink.ds();
    for (const QString& line : lines) {
        if (startsWithNonEmpty(line, settings.skip1) || startsWithNonEmpty(line, settings.skip2)) {
            sink.step();
            continue;
        }
        const std::array<QString, 4> f = splitDescriptionLine(line, settings.separators);
        if (f[0].isEmpty())
            continue; // also a line of blanks and control characters only

        QString link;
        std::optional<qint64> size;
        // A name holding a zero character names no file.
        if (settings.link != LinkChoice::Field && !f[0].contains(QChar(0))) {
            // Present: exists, is not a folder, is no dot-name and is not empty.
            const QFileInfo info(baseFolder + f[0]);
            if (info.isFile() && !util::nameOfPath(f[0]).startsWith(u'.') && info.size() > 0) {
                link = settings.link == LinkChoice::FullPath ? baseFolder + f[0] : f[0];
                size = info.size();
            }
        }
        if (link.isEmpty())
            link = f[0];

        ds.append();
        ds.setValue(field::FileName, link);
        if (size && *size <= std::numeric_limits<qint32>::max())
            ds.setValue(field::Size, int(*size));
        for (int i = 0; i < 4; ++i)
            if (const QString* target = fieldOf(settings.targets[size_t(i)]); target && !f[size_t(i)].isEmpty())
                ds.setValue(*target, f[size_t(i)]);
        sink.postRow();
        sink.step();
    }
}

} // namespace folianto::exchange
