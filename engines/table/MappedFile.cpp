#include "engines/table/MappedFile.h"

#include "engines/table/AtomicFile.h"

#include <sys/mman.h>
#include <unistd.h>

namespace folianto::table {

MappedFile::MappedFile(const QString& path) : file_(path)
{
    if (file_.open(QIODevice::ReadOnly) && file_.size() > 0)
        map_ = file_.map(0, file_.size());
    if (map_) {
        bytes_ = QByteArrayView(reinterpret_cast<const char*>(map_), file_.size());
        return;
    }
    file_.close();
    copy_ = readWholeFile(path);
    bytes_ = copy_;
}

MappedFile::~MappedFile()
{
    if (map_)
        file_.unmap(map_);
}

void MappedFile::releaseBefore(qsizetype offset)
{
    if (!map_)
        return;
    static const qsizetype page = qsizetype(sysconf(_SC_PAGESIZE));
    const qsizetype end = std::min(offset, bytes_.size()) / page * page;
    if (end < released_) {
        released_ = end; // a new pass over the bytes
        return;
    }
    if (end == released_)
        return;
    madvise(map_ + released_, size_t(end - released_), MADV_DONTNEED);
    released_ = end;
}

} // namespace folianto::table
