#include "exchange/FileDropTarget.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace folianto::exchange {

FileDropTarget::FileDropTarget(QWidget* target, Handler onDrop) : QObject(target), onDrop_(std::move(onDrop))
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

QStringList FileDropTarget::localPaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    return paths;
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (localPaths(drag->mimeData()).isEmpty())
            return false;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        // The paths are copied out before the handler runs: the drop's data belongs to the
        // drag and is gone once the event ends.
        const QStringList paths = localPaths(drop->mimeData());
        if (paths.isEmpty())
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (onDrop_)
            onDrop_(paths);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace folianto::exchange
