#pragma once
// The zip component: a thin layer over libzip that reads an archive's central directory,
// extracts listed entries into a folder under their bare names, and packs files into an
// archive (deflate level 6, optional traditional password). Entry names without the zip
// UTF-8 flag are in the DOS code page and are read as CP866.

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

class QIODevice;
struct zip;

namespace folianto::archive {

struct VzpEntry {
    static constexpr std::uint32_t kVolumeLabel = 0x08;
    static constexpr std::uint32_t kFolder = 0x10;

    QString path;                 // stored path with name
    QString fileName;             // its bare file name
    std::uint32_t attributes = 0; // DOS attributes
    qint64 size = 0;              // unpacked size
    bool encrypted = false;
    std::uint64_t index = 0;      // position in the archive's directory

    bool isFolder() const { return attributes & kFolder; }
    bool isVolumeLabel() const { return attributes & kVolumeLabel; }
};

enum class VzpOverwrite { Ask, Always, Never };

class Vzp {
public:
    Vzp() = default;
    ~Vzp();
    Vzp(const Vzp&) = delete;
    Vzp& operator=(const Vzp&) = delete;

    void setArchiveName(const QString& name);
    QString archiveName() const { return archiveName_; }

    // Opens the archive and reads its central directory; false when it is not a readable zip.
    bool readDirectory();
    int count() const { return int(entries_.size()); }
    const VzpEntry& entry(int i) const { return entries_.at(i); }

    // Extraction: stored paths of the entries to extract. Packing: paths of the files to pack.
    QStringList& filesToProcess() { return files_; }

    void setDestinationFolder(const QString& folder) { destination_ = folder; }
    // Packing stores files below this folder with their path relative to it, others by name.
    void setRootFolder(const QString& folder) { root_ = folder; }
    void setPassword(const QString& password) { password_ = password; }
    QString password() const { return password_; }
    void setOverwriteMode(VzpOverwrite mode) { overwrite_ = mode; }
    VzpOverwrite overwriteMode() const { return overwrite_; }
    // Packing into an existing archive replaces same-named entries and keeps the others.
    void setUpdateMode(bool update) { update_ = update; }

    // Extracts the listed entries into the destination folder under their bare names. Each file
    // is written to a temporary name and renamed only when complete and its CRC checked, so a
    // failure leaves nothing behind. Returns the number of files written; false in `ok` when
    // any listed entry failed.
    int extract(bool* ok = nullptr);

    // The unpacked bytes of entry `i` as a sequential read-only device, opened, without writing
    // anything to disk; nothing when the entry cannot be opened. The device reads from this
    // archive and must not outlive it or its release().
    std::unique_ptr<QIODevice> openEntry(int i);

    // Packs the listed files; the archive is replaced only when writing succeeded.
    bool pack();

    // Closes the archive and forgets its directory.
    void release();

    QString lastError() const { return lastError_; }

    std::function<void(const QString& fileName)> onBadCrc;
    std::function<void(const QString& fileName, int percent)> onFilePercentDone;
    // Asked in VzpOverwrite::Ask mode; without it an existing file is kept.
    std::function<bool(const QString& target)> onAskOverwrite;

private:
    bool extractEntry(const VzpEntry& e);
    bool mayWrite(const QString& target);
    QString storedNameFor(const QString& file) const;
    static void progressThunk(zip* za, double done, void* self);

    QString archiveName_;
    QString destination_;
    QString root_;
    QString password_;
    QString lastError_;
    QStringList files_;
    QList<VzpEntry> entries_;
    VzpOverwrite overwrite_ = VzpOverwrite::Ask;
    bool update_ = true;
    zip* za_ = nullptr;
    // Packing progress: file names and their share of the total size.
    QStringList packNames_;
    QList<qint64> packSizes_;
};

} // namespace folianto::archive
