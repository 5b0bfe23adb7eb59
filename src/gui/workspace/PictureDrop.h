#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QMimeData;

namespace targello {

// Lets a picture file dragged from the file manager land on an item's
// picture. It watches the page's canvas and hands the file on; loading it is
// the page's business, the same as for a file chosen in the dialog.
class PictureDrop : public QObject {
    Q_OBJECT
public:
    // `pictureAt` gives the item whose picture lies under a point of the
    // canvas, or -1.
    PictureDrop(QWidget& canvas, std::function<int(QPoint)> pictureAt);

    // The one local file the drag carries, or an empty text.
    static QString droppedFile(const QMimeData* data);

signals:
    void dropped(int item, const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<int(QPoint)> pictureAt_;
};

} // namespace targello
