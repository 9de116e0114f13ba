#pragma once
// Books inside zip, RAR and HA archives: listing an archive's file entries for the book card,
// and unpacking the chosen entry (`_Arc`) into the work folder for the reader.
//
// The three extractors share two modes. With a list they append the display name (the bare
// file name) of every file entry to it and return empty. Without one they unpack entry number
// `arc` into the work folder under its bare name and return the file's path, or empty after
// their own message. Nothing is ever written outside the work folder, and a failed unpacking
// leaves no partly written file behind.

#include <QString>
#include <QStringList>
#include <functional>
#include <stdexcept>

class QWidget;

namespace folianto::reader {

// What the extractors take from the settings and the current catalogue row.
struct ArchiveRequest {
    QString workFolder;         // the work folder BOOKDATA
    int arc = 0;                // the row's `_Arc` (empty counts as 0)
    QString password;           // ArchivePassword
    int haTimeoutSeconds = 300; // HaTimeout
    // The HA extractor program; empty: folianto-ha beside the running executable.
    QString haProgram;
    // Deletes a file that is in the way of an unpacked entry; true when it is gone. Tests may
    // stand in for a file that the system keeps locked.
    std::function<bool(const QString& path)> removeFile;
    // The program's main window, brought to the front before a message that ends a long wait.
    QWidget* mainWindow = nullptr;
};

// A failure that ends the command, with the text for the standard error box.
class ArchiveFailure : public std::runtime_error {
public:
    explicit ArchiveFailure(const QString& text);
    QString text() const { return text_; }

private:
    QString text_;
};

enum class ArchiveKind { None, Zip, Rar, Ha };
// Chosen by the extension of the file name alone (".ZIP", ".RAR", ".HA", any case).
ArchiveKind archiveKindOf(const QString& fileName);

// Throw ArchiveFailure("Невозможно создать временную папку !") when the work folder cannot be
// created.
QString ExtractFromZip(const QString& archive, QStringList* list, const ArchiveRequest& request);
QString ExtractFromRar(const QString& archive, QStringList* list, const ArchiveRequest& request);
QString ExtractFromHa(const QString& archive, QStringList* list, const ArchiveRequest& request);
// The extractor for the archive's extension; empty (nothing listed) for any other file.
QString ExtractFromArchive(const QString& archive, QStringList* list, const ArchiveRequest& request);

// The entry list of the book card's `CbArc`.
struct ArchiveEntries {
    QStringList items;
    int selected = -1;     // the item at `arc` when it exists, else the first; -1 without items
    bool visible = false;  // shown only when there are items
    bool dropDown = false; // two or more items: an enabled drop-down; else a plain, disabled box
};
// Lists the entries of the located book file (empty when it was not found or is no archive).
// Failures while listing are ignored.
ArchiveEntries ListArchiveEntries(const QString& locatedFile, const ArchiveRequest& request);

// Deletes every file in the work folder that earlier books left there; a file that cannot be
// deleted is skipped. Folders inside it are left alone.
void ClearUnpackFolder(const QString& workFolder);

} // namespace folianto::reader
