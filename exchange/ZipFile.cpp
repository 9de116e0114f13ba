#include "exchange/ZipFile.h"

#include "engines/archive/Vzp.h"

#include <QFileInfo>

namespace folianto::exchange {

bool ZipFile(const QString& source, const QString& archive, const Progress& progress)
{
    if (archive.isEmpty() || !QFileInfo(source).isFile())
        return false;
    archive::Vzp zip;
    zip.filesToProcess().clear();
    zip.setPassword({});
    zip.filesToProcess().append(source);
    zip.setArchiveName(archive);
    zip.setUpdateMode(true);
    if (progress)
        zip.onFilePercentDone = [&](const QString&, int percent) { progress(percent); };
    bool packed = false;
    try {
        packed = zip.pack();
    } catch (const std::exception&) {
        packed = false;
    }
    return packed && QFileInfo::exists(archive);
}

} // namespace folianto::exchange
