#include "fileops/ZipFile.h"

#include "catalogue/WaitCursor.h"
#include "exchange/ZipFile.h"
#include "fileops/FileCopy.h"

#include <QProgressBar>

namespace folianto::fileops {

bool ZipFile(const QString& source, const QString& archive, QProgressBar* bar)
{
    catalogue::WaitCursor wait;
    if (bar) {
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->show();
        bar->repaint();
    }
    const bool packed = exchange::ZipFile(source, archive, [bar](int percent) {
                            if (bar)
                                bar->setValue(percent);
                        })
        && flushToDisk(archive);
    if (bar) {
        bar->hide();
        bar->setValue(0);
    }
    return packed;
}

} // namespace folianto::fileops
