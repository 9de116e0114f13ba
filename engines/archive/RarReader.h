#pragma once
// RAR archives through libarchive: the file entries in directory order, and one of them
// extracted. Names stored in the DOS code page are converted from CP866; Unicode names kept.

#include <QList>
#include <QString>
#include <optional>

namespace folianto::archive {

struct RarEntry {
    QString path;        // stored path with name, '/' separated
    QString displayName; // its bare file name
    qint64 size = 0;     // unpacked size
    bool encrypted = false;
};

class RarReader {
public:
    explicit RarReader(QString archivePath, QString password = {});

    // The entries that are not folders, in the archive's order; nullopt when libarchive cannot
    // open the file as a RAR archive. A damaged archive yields the entries before the damage.
    std::optional<QList<RarEntry>> entries() const;

    enum class Result { Done, Failed, Unreadable };
    // Writes entry number `index` (counted as entries() counts) to `target` through a
    // temporary file renamed when complete. Failed: reading the data failed (nothing is left
    // behind). Unreadable: the archive or the entry cannot be read at all (not found, not
    // openable, encrypted beyond libarchive).
    Result extract(int index, const QString& target) const;

private:
    QString archive_;
    QString password_;
};

} // namespace folianto::archive
