// Taking dropped files.
#include "ui/widgets/FileDropTarget.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace ui {

namespace {
QStringList localFiles(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}
} // namespace

FileDropTarget *FileDropTarget::install(QAbstractScrollArea *view)
{
    auto *target = new FileDropTarget(view);
    view->setAcceptDrops(true);
    view->viewport()->setAcceptDrops(true);
    view->viewport()->installEventFilter(target);
    return target;
}

bool FileDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (localFiles(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = localFiles(drop->mimeData());
        if (paths.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        Q_EMIT filesDropped(paths);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace ui
