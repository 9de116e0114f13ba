#pragma once
// Makes a widget (the catalogue view) take files and folders dropped from the desktop: drags
// carrying local files are accepted, and a drop hands their paths, in order, to a callback.

#include <QObject>
#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

namespace folianto::exchange {

class FileDropTarget : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QStringList& paths)>;
    // Installs itself on `target` (for an item view, pass its viewport) and lives as its child.
    FileDropTarget(QWidget* target, Handler onDrop);

    // The local paths a drag or drop carries; empty when it carries none.
    static QStringList localPaths(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler onDrop_;
};

} // namespace folianto::exchange
