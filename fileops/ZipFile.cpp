#include "fileops/ZipFile.h"

#include "catalogue/WaitCursor.h"
#include "engines/archive/Vzp.h"
#include "fileops/FileCopy.h"

#include <QFileInfo>
#include <QProgressBar>

namespace folianto::fileops {

bool ZipFile(const QString& source, const QString& archive, QProgressBar* bar)
{
    if (archive.isEmpty() || !QFileInfo(source).isFile())
        return false;
    catalogue::WaitCursor wait;
    if (bar) {
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->show();
        bar->repaint();
    }
    archive::Vzp zip;
    zip.filesToProcess() = QStringList{source};
    zip.setPassword({});
    zip.setArchiveName(archive);
    zip.onFilePercentDone = [bar](const QString&, int percent) {
        if (bar)
            bar->setValue(percent);
    };
    bool packed = false;
    try {
        packed = zip.pack() && QFileInfo(archive).isFile() && flushToDisk(archive);
    } catch (const std::exception&) {
        packed = false;
    }
    if (bar) {
        bar->hide();
        bar->setValue(0);
    }
    return packed;
}

} // namespace folianto::fileops
