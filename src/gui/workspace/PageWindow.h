#pragma once

#include "gui/common/PageView.h"
#include "gui/workspace/ItemField.h"

#include <QHash>
#include <QImage>
#include <QScrollArea>

namespace targello {

class AppContext;
class PageCanvas;
class PictureCache;
class ShopPage;

// The window of one shop page: its items on a grid over the row bands, each
// edited in place. Items are painted, and live controls exist only for the
// items in view (see PageCanvas); to the user and to the program every item
// behaves as its controls do. The main window puts it into a sub-window of
// its multi-document area and owns that.
class PageWindow : public QScrollArea, public PageView {
    Q_OBJECT

public:
    // `pictures` are the thumbnails every page shares.
    PageWindow(AppContext& app, PictureCache& pictures, ShopPage& page, QWidget* parent = nullptr);

    ShopPage& page() override;

    // "Wstaw nową pozycję" on this page.
    void insertItem();
    // The model changed under the window (new layout, removed items, new
    // settings, an opened project): show it anew from the top-left corner.
    void relayout() override;
    // Item k's name box takes the focus and comes into view, once the event
    // loop runs.
    void focusItem(int k) override;
    // Every shown band shows `strip` (1200 x 150) instead of its plain colour.
    void setBandTexture(const QImage& strip) override;
    void clearBandTexture() override;

    // A double-click on item k's picture: ask for a picture file and show it.
    void loadItemPicture(int k);
    // Loads the file at `path` as item k's picture: it is decoded in the
    // background, and once it is ready the item shows it and names it
    // (itemPictureChanged follows). A file that cannot be loaded (missing, no
    // regular file, no picture, more than 100 million pixels) is reported in
    // the error box and the item keeps its picture. Returns at once.
    void loadPictureFile(int k, const QString& path);
    // Every change of item k's price box comes here, whoever makes it: the
    // text is stored, and one that is not an amount is reset with a warning.
    void setPriceText(int k, const QString& text);
    // An opened project: every item that shows a file gets its picture in the
    // background; one that cannot be read shows the missing picture.
    void loadStoredPictures() override;
    // Item k's texts or picture were changed in the model by a command.
    void refreshItem(int k);

    // Scrolls item k into view and gives its live control.
    QWidget* editor(int k, ItemField field);

    QSize sizeHint() const override;

signals:
    // Item k shows the picture file loadPictureFile was given.
    void itemPictureChanged(int k);
    // The user changed the page: an item's text, price or picture, or an
    // inserted item.
    void edited();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void scrollHome();
    void pictureFileLoaded(int k, const QString& path, const QImage& thumbnail, const QString& reason);
    void followSubWindow();
    void frameStateChanged(Qt::WindowStates before, Qt::WindowStates now);

    AppContext& app_;
    PictureCache& pictures_;
    ShopPage& page_;
    PageCanvas* canvas_;
    // Item by item, the picture file chosen last and still being decoded.
    QHash<int, QString> pendingPictures_;
};

} // namespace targello
