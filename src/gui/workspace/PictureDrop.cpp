#include "gui/workspace/PictureDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace targello {

PictureDrop::PictureDrop(QWidget& canvas, std::function<int(QPoint)> pictureAt)
    : QObject(&canvas), pictureAt_(std::move(pictureAt)) {
    canvas.setAcceptDrops(true);
    canvas.installEventFilter(this);
}

QString PictureDrop::droppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    // A project dropped anywhere opens as a page; the main window takes it.
    const QString path = urls.front().toLocalFile();
    return path.endsWith(QStringLiteral(".esk"), Qt::CaseInsensitive) ? QString() : path;
}

bool PictureDrop::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        // Over anything but a picture the drag is refused, so the cursor
        // tells where the file can go.
        if (!droppedFile(drag->mimeData()).isEmpty() && pictureAt_(drag->position().toPoint()) >= 0)
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedFile(drop->mimeData());
        const int item = pictureAt_(drop->position().toPoint());
        if (path.isEmpty() || item < 0) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        emit dropped(item, path);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace targello
