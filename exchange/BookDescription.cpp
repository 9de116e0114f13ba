#include "exchange/BookDescription.h"

#include "engines/archive/Vzp.h"

#include <QFile>
#include <QIODevice>
#include <algorithm>

namespace folianto::exchange {

namespace {

// A collection packed into one zip is not searched through: the book is among the first entries.
constexpr int kEntriesTried = 16;

bool isZip(QIODevice& file)
{
    return file.peek(4) == QByteArrayLiteral("PK\x03\x04");
}

std::optional<fb2::Fb2Description> describeZipEntry(const QString& path)
{
    archive::Vzp zip;
    zip.setArchiveName(path);
    if (!zip.readDirectory())
        return std::nullopt;
    QList<int> candidates;
    for (int i = 0; i < zip.count(); ++i) {
        const archive::VzpEntry& e = zip.entry(i);
        if (!e.isFolder() && !e.isVolumeLabel() && !e.encrypted && e.size > 0)
            candidates.append(i);
    }
    // Entries named as FictionBooks first, in archive order.
    std::stable_partition(candidates.begin(), candidates.end(), [&zip](int i) {
        return zip.entry(i).fileName.endsWith(QLatin1String(".fb2"), Qt::CaseInsensitive);
    });
    candidates.resize(std::min<qsizetype>(candidates.size(), kEntriesTried));
    for (const int i : std::as_const(candidates)) {
        const std::unique_ptr<QIODevice> entry = zip.openEntry(i);
        if (!entry)
            continue;
        if (auto description = fb2::readDescription(*entry))
            return description;
    }
    return std::nullopt;
}

} // namespace

std::optional<fb2::Fb2Description> readBookDescription(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (isZip(file)) {
        file.close();
        return describeZipEntry(path);
    }
    return fb2::readDescription(file);
}

} // namespace folianto::exchange
