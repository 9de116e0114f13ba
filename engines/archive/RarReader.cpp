#include "engines/archive/RarReader.h"

#include "engines/archive/Crc32.h"
#include "engines/archive/EntryName.h"
#include "engines/archive/Rar4Headers.h"

#include <QFile>
#include <QSaveFile>
#include <archive.h>
#include <archive_entry.h>
#include <clocale>
#include <locale.h>
#include <utility>

namespace folianto::archive {

namespace {

// libarchive converts names into the charset of the calling thread's locale. A UTF-8 locale
// is set for this thread while it works, so that every name arrives as UTF-8 whatever the
// process locale is.
class Utf8ThreadLocale {
public:
    Utf8ThreadLocale()
    {
        static const locale_t utf8 = newlocale(LC_ALL_MASK, "C.UTF-8", locale_t(nullptr));
        if (utf8)
            previous_ = uselocale(utf8);
    }
    ~Utf8ThreadLocale()
    {
        if (previous_)
            uselocale(previous_);
    }
    Utf8ThreadLocale(const Utf8ThreadLocale&) = delete;
    Utf8ThreadLocale& operator=(const Utf8ThreadLocale&) = delete;

private:
    locale_t previous_ = locale_t(nullptr);
};

// One open libarchive reader over a RAR file; names without the Unicode flag are taken as CP866.
class RarHandle {
public:
    RarHandle(const QString& path, const QString& password)
    {
        a_ = archive_read_new();
        archive_read_support_format_rar(a_);
        archive_read_support_format_rar5(a_);
        archive_read_set_format_option(a_, "rar", "hdrcharset", "CP866");
        if (!password.isEmpty())
            archive_read_add_passphrase(a_, password.toUtf8().constData());
        open_ = archive_read_open_filename(a_, QFile::encodeName(path).constData(), 65536) == ARCHIVE_OK;
    }
    ~RarHandle() { archive_read_free(a_); }
    RarHandle(const RarHandle&) = delete;
    RarHandle& operator=(const RarHandle&) = delete;

    bool isOpen() const { return open_; }
    ::archive* get() const { return a_; }

    // The next entry that is not a folder; nullptr at the end or on damage. `header` counts
    // every header read, folders included.
    archive_entry* nextFile(int* header)
    {
        archive_entry* entry = nullptr;
        for (;;) {
            const int r = archive_read_next_header(a_, &entry);
            if (r != ARCHIVE_OK && r != ARCHIVE_WARN)
                return nullptr;
            ++headers_;
            if (archive_entry_filetype(entry) != AE_IFDIR) {
                *header = headers_ - 1;
                return entry;
            }
        }
    }

private:
    ::archive* a_ = nullptr;
    bool open_ = false;
    int headers_ = 0;
};

const Rar4FileHeader* headerAt(const std::optional<QList<Rar4FileHeader>>& headers, int i)
{
    return headers && i >= 0 && i < headers->size() ? &headers->at(i) : nullptr;
}

// libarchive's name, unless our own reading of a RAR 4 header knows better how it was stored.
RarEntry describe(archive_entry* entry, const Rar4FileHeader* header)
{
    RarEntry e;
    const std::optional<QString> own = header ? header->decodedName() : std::nullopt;
    if (own) {
        e.path = *own;
        e.path.replace(u'\\', u'/');
    } else {
        const char* name = archive_entry_pathname_utf8(entry);
        if (!name)
            name = archive_entry_pathname(entry);
        e.path = QString::fromUtf8(name ? name : "");
    }
    e.displayName = bareFileName(e.path);
    e.size = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : 0;
    e.encrypted = archive_entry_is_encrypted(entry);
    return e;
}

} // namespace

RarReader::RarReader(QString archivePath, QString password)
    : archive_(std::move(archivePath)), password_(std::move(password))
{
}

std::optional<QList<RarEntry>> RarReader::entries() const
{
    Utf8ThreadLocale locale;
    RarHandle rar(archive_, password_);
    if (!rar.isOpen())
        return std::nullopt;
    const auto headers = readRar4FileHeaders(archive_);
    QList<RarEntry> out;
    int header = 0;
    while (archive_entry* entry = rar.nextFile(&header))
        out.append(describe(entry, headerAt(headers, header)));
    return out;
}

RarReader::Result RarReader::extract(int index, const QString& target) const
{
    Utf8ThreadLocale locale;
    RarHandle rar(archive_, password_);
    if (!rar.isOpen() || index < 0)
        return Result::Unreadable;
    archive_entry* entry = nullptr;
    int header = 0;
    for (int i = 0; i <= index; ++i) {
        entry = rar.nextFile(&header);
        if (!entry)
            return Result::Unreadable;
    }
    const auto headers = readRar4FileHeaders(archive_);
    const Rar4FileHeader* known = headerAt(headers, header);

    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return Result::Failed;
    std::uint32_t crc = 0;
    char buffer[65536];
    for (;;) {
        const la_ssize_t n = archive_read_data(rar.get(), buffer, sizeof buffer);
        if (n < 0) {
            out.cancelWriting();
            // libarchive cannot decrypt RAR data: that is an unreadable archive, not damage.
            return archive_entry_is_data_encrypted(entry) ? Result::Unreadable : Result::Failed;
        }
        if (n == 0)
            break;
        crc = crc32(QByteArrayView(buffer, n), crc);
        if (out.write(buffer, n) != n) {
            out.cancelWriting();
            return Result::Failed;
        }
    }
    // libarchive leaves the CRC of stored RAR 4 entries unchecked.
    if (known && !known->split && known->crc != crc) {
        out.cancelWriting();
        return Result::Failed;
    }
    return out.commit() ? Result::Done : Result::Failed;
}

} // namespace folianto::archive
