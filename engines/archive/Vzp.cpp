#include "engines/archive/Vzp.h"

#include "engines/archive/EntryName.h"
#include "engines/codepage/CodePages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <zip.h>

#include <sys/stat.h>

namespace folianto::archive {

namespace {

// Names flagged UTF-8 come back unchanged from libzip's strict reading; any other name with
// bytes above 0x7F is converted by it from CP437, which is how we tell the two apart.
QString entryName(zip_t* za, zip_uint64_t i)
{
    const char* raw = zip_get_name(za, i, ZIP_FL_ENC_RAW);
    if (!raw)
        return {};
    const QByteArray rawBytes(raw);
    const char* strict = zip_get_name(za, i, ZIP_FL_ENC_STRICT);
    if (strict && rawBytes == strict)
        return QString::fromUtf8(rawBytes);
    return codepage::fromCp866(rawBytes);
}

std::uint32_t dosAttributes(zip_t* za, zip_uint64_t i, const QString& path)
{
    zip_uint8_t system = 0;
    zip_uint32_t external = 0;
    std::uint32_t attributes = 0;
    if (zip_file_get_external_attributes(za, i, 0, &system, &external) == 0) {
        if (system == ZIP_OPSYS_DOS || system == ZIP_OPSYS_WINDOWS_NTFS || system == ZIP_OPSYS_VFAT)
            attributes = external & 0xFF;
        else if (system == ZIP_OPSYS_UNIX && S_ISDIR(external >> 16))
            attributes = VzpEntry::kFolder;
    }
    if (path.endsWith(u'/') || path.endsWith(u'\\'))
        attributes |= VzpEntry::kFolder;
    return attributes;
}

QString zipError(zip_t* za)
{
    return QString::fromLocal8Bit(zip_strerror(za));
}

// Opens entry `index` for reading, with the password (in the archive's codepage) when one is set.
zip_file_t* openEncrypted(zip_t* za, zip_uint64_t index, const QString& password)
{
    const QByteArray pass = codepage::toCp1251(password);
    return zip_fopen_index_encrypted(za, index, 0, pass.isEmpty() ? nullptr : pass.constData());
}

// An entry read as it is unpacked; a read error (a damaged entry, a bad CRC) ends the data.
class EntryDevice : public QIODevice {
public:
    explicit EntryDevice(zip_file_t* file) : file_(file) { open(QIODevice::ReadOnly); }
    ~EntryDevice() override { zip_fclose(file_); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (ended_)
            return -1;
        const zip_int64_t n = zip_fread(file_, data, zip_uint64_t(maxSize));
        if (n <= 0) {
            ended_ = true;
            return n < 0 ? -1 : 0;
        }
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    zip_file_t* file_;
    bool ended_ = false;
};

} // namespace

Vzp::~Vzp()
{
    release();
}

void Vzp::setArchiveName(const QString& name)
{
    if (name != archiveName_)
        release();
    archiveName_ = name;
}

bool Vzp::readDirectory()
{
    release();
    int error = 0;
    za_ = zip_open(QFile::encodeName(archiveName_).constData(), ZIP_RDONLY, &error);
    if (!za_) {
        zip_error_t ze;
        zip_error_init_with_code(&ze, error);
        lastError_ = QString::fromLocal8Bit(zip_error_strerror(&ze));
        zip_error_fini(&ze);
        return false;
    }
    const zip_int64_t n = zip_get_num_entries(za_, 0);
    for (zip_int64_t i = 0; i < n; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(za_, zip_uint64_t(i), 0, &st) != 0)
            continue;
        VzpEntry e;
        e.index = zip_uint64_t(i);
        e.path = entryName(za_, e.index);
        e.fileName = bareFileName(e.path);
        e.attributes = dosAttributes(za_, e.index, e.path);
        e.size = (st.valid & ZIP_STAT_SIZE) ? qint64(st.size) : 0;
        e.encrypted = (st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE;
        entries_.append(e);
    }
    return true;
}

std::unique_ptr<QIODevice> Vzp::openEntry(int i)
{
    if (!za_ || i < 0 || i >= entries_.size())
        return nullptr;
    zip_file_t* file = openEncrypted(za_, entries_.at(i).index, password_);
    if (!file) {
        lastError_ = zipError(za_);
        return nullptr;
    }
    return std::make_unique<EntryDevice>(file);
}

bool Vzp::mayWrite(const QString& target)
{
    if (!QFileInfo::exists(target))
        return true;
    switch (overwrite_) {
    case VzpOverwrite::Always: return true;
    case VzpOverwrite::Never: return false;
    case VzpOverwrite::Ask: return onAskOverwrite && onAskOverwrite(target);
    }
    return false;
}

int Vzp::extract(bool* ok)
{
    bool allOk = true;
    int written = 0;
    if (!za_ && !readDirectory()) {
        if (ok)
            *ok = false;
        return 0;
    }
    for (const QString& wanted : std::as_const(files_)) {
        const auto it = std::find_if(entries_.cbegin(), entries_.cend(),
                                     [&](const VzpEntry& e) { return e.path == wanted; });
        if (it == entries_.cend()) {
            lastError_ = QStringLiteral("no such entry: ") + wanted;
            allOk = false;
            continue;
        }
        if (it->isFolder() || it->fileName.isEmpty())
            continue;
        const QString target = QDir(destination_).filePath(it->fileName);
        if (!mayWrite(target))
            continue;
        if (extractEntry(*it))
            ++written;
        else
            allOk = false;
    }
    if (ok)
        *ok = allOk;
    return written;
}

bool Vzp::extractEntry(const VzpEntry& e)
{
    zip_file_t* zf = openEncrypted(za_, e.index, password_);
    if (!zf) {
        lastError_ = zipError(za_);
        return false;
    }
    QSaveFile out(QDir(destination_).filePath(e.fileName));
    bool good = out.open(QIODevice::WriteOnly);
    bool badCrc = false;
    qint64 done = 0;
    char buffer[65536];
    while (good) {
        const zip_int64_t n = zip_fread(zf, buffer, sizeof buffer);
        if (n < 0) {
            badCrc = zip_error_code_zip(zip_file_get_error(zf)) == ZIP_ER_CRC;
            lastError_ = QString::fromLocal8Bit(zip_file_strerror(zf));
            good = false;
            break;
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            lastError_ = out.errorString();
            good = false;
            break;
        }
        done += n;
        if (onFilePercentDone && e.size > 0)
            onFilePercentDone(e.fileName, int(qMin<qint64>(100, done * 100 / e.size)));
    }
    zip_fclose(zf);
    if (!good) {
        out.cancelWriting();
        if (badCrc && onBadCrc)
            onBadCrc(e.fileName);
        return false;
    }
    return out.commit();
}

QString Vzp::storedNameFor(const QString& file) const
{
    const QFileInfo info(file);
    if (!root_.isEmpty()) {
        const QString relative = QDir(root_).relativeFilePath(info.absoluteFilePath());
        if (!relative.startsWith(QStringLiteral("..")) && !QDir::isAbsolutePath(relative))
            return relative;
    }
    return info.fileName();
}

void Vzp::progressThunk(zip*, double done, void* self)
{
    auto* vzp = static_cast<Vzp*>(self);
    if (!vzp->onFilePercentDone || vzp->packNames_.isEmpty())
        return;
    qint64 total = 0;
    for (qint64 s : std::as_const(vzp->packSizes_))
        total += s;
    const double reached = done * double(total);
    qint64 before = 0;
    for (int i = 0; i < vzp->packNames_.size(); ++i) {
        const qint64 size = vzp->packSizes_.at(i);
        if (reached <= double(before + size) || i == vzp->packNames_.size() - 1) {
            const double part = size > 0 ? (reached - double(before)) / double(size) : 1.0;
            vzp->onFilePercentDone(vzp->packNames_.at(i), qBound(0, int(part * 100.0), 100));
            return;
        }
        before += size;
    }
}

bool Vzp::pack()
{
    release();
    int error = 0;
    const int flags = ZIP_CREATE | (update_ ? 0 : ZIP_TRUNCATE);
    zip_t* za = zip_open(QFile::encodeName(archiveName_).constData(), flags, &error);
    if (!za) {
        lastError_ = QStringLiteral("cannot open archive");
        return false;
    }
    const QByteArray pass = codepage::toCp1251(password_);
    bool good = true;
    for (const QString& file : std::as_const(files_)) {
        const QString stored = storedNameFor(file);
        zip_source_t* src = zip_source_file(za, QFile::encodeName(file).constData(), 0, -1);
        if (!src) {
            good = false;
            break;
        }
        const zip_int64_t idx = zip_file_add(za, stored.toUtf8().constData(), src,
                                             ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
        if (idx < 0) {
            zip_source_free(src);
            good = false;
            break;
        }
        if (zip_set_file_compression(za, zip_uint64_t(idx), ZIP_CM_DEFLATE, 6) != 0
            || (!pass.isEmpty()
                && zip_file_set_encryption(za, zip_uint64_t(idx), ZIP_EM_TRAD_PKWARE, pass.constData()) != 0)) {
            good = false;
            break;
        }
        packNames_.append(stored);
        packSizes_.append(QFileInfo(file).size());
    }
    if (!good) {
        lastError_ = zipError(za);
        zip_discard(za);
        packNames_.clear();
        packSizes_.clear();
        return false;
    }
    zip_register_progress_callback_with_state(za, 0.01, &Vzp::progressThunk, nullptr, this);
    const bool closed = zip_close(za) == 0;
    if (!closed) {
        lastError_ = zipError(za);
        zip_discard(za);
    }
    packNames_.clear();
    packSizes_.clear();
    return closed;
}

void Vzp::release()
{
    if (za_) {
        zip_discard(za_);
        za_ = nullptr;
    }
    entries_.clear();
}

} // namespace folianto::archive
