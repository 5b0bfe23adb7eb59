#pragma once

#include "gui/workspace/ItemEditors.h"
#include "gui/workspace/ItemField.h"
#include "gui/workspace/ItemLayout.h"

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QSet>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class QContextMenuEvent;
class QHelpEvent;

namespace targello {

class PictureCache;
class ShopPage;

// The surface of a shop page: it paints the row bands and every item, and
// holds live controls only for the items in view. A page of 100 items thus
// costs a handful of widgets instead of 700, and a hundred pages open at once.
class PageCanvas : public QWidget, public ItemEditorHost {
    Q_OBJECT

public:
    PageCanvas(ShopPage& page, PictureCache& pictures, QWidget* parent = nullptr);
    ~PageCanvas() override;

    ShopPage& page() const { return page_; }
    const ItemLayout& layout() const { return layout_; }

    // The model changed as a whole (layout, removal, settings, an opened project).
    void modelChanged();
    // An item was appended to the model.
    void itemAppended();
    // The texts or the picture of item k changed in the model.
    void itemChanged(int k);

    void setBandTexture(const QImage& strip);
    void clearBandTexture();

    // Item k shows `thumbnail` (a picture just chosen and loaded).
    void setItemPicture(int k, const QImage& thumbnail);
    // Loads the pictures of all items that show a file, in the background.
    void loadStoredPictures();

    // Only the page the user works in keeps live controls, and only once it
    // has stayed active for a moment: a page passed over while pages are
    // opened or switched in a row never pays for them. Whatever the user does
    // before then reaches the painted items and makes the control needed.
    void setActive(bool active);
    // True once the page has live controls for its items in view.
    bool settled() const;
    // Gives the focus to the box that had it last (or the first item's name)
    // now, or once the page has settled if `whenSettled`.
    void restoreFocus(bool whenSettled);

    // The visible part of the canvas changed (scrolling, resizing, showing).
    void viewChanged();
    // Carries out what is waiting for the event loop: the canvas size and the
    // live controls of the items in view.
    void flush();

    QRect cellRect(int k) const;
    QRect fieldRect(int k, ItemField field) const;
    // The live control of item k, created when the item has none yet.
    QWidget* liveEditor(int k, ItemField field);
    QWidget* existingEditor(int k, ItemField field) const;
    // Scrolls item k into view and gives its live control.
    QWidget* revealEditor(int k, ItemField field);
    struct Position {
        int item;
        ItemField field;
    };
    std::optional<Position> editorPosition(const QWidget* widget) const;

    const QImage& pictureOf(int k) const;
    QString tipOf(int k, ItemField field) const;

    // ItemEditorHost: the live controls write straight into the model.
    void nameEdited(int k, const QString& text) override;
    void priceEdited(int k, const QString& text) override;
    void descriptionEdited(int k, const QString& text) override;
    void pictureDoubleClicked(int k) override;

signals:
    void pictureRequested(int k);
    void priceChanged(int k, const QString& text);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct ItemView {
        QString path;
        QImage thumbnail;
    };
    struct Hit {
        int item;
        ItemField field;
    };

    std::optional<Hit> hitTest(QPoint point) const;
    void hover(std::optional<Hit> hit);
    bool showToolTip(QHelpEvent* help);
    void scheduleSync();
    void syncEditors();
    void applySize();
    QRect viewRect() const;
    QSize contentSize() const;
    ItemEditors* editorsOf(int k) const;
    ItemEditors* acquire(int k);
    void bind(ItemEditors& editors, int k);
    void askForPicture(int k);
    void thumbnailReady(const QString& path, const QImage& image);
    void thumbnailFailed(const QString& path);
    void paintBands(QPainter& painter, const QRect& area);
    QWidget* boxUnderMouse(QPoint point);
    void forward(QMouseEvent* event);

    ShopPage& page_;
    PictureCache& pictures_;
    ItemLayout layout_;
    std::vector<ItemView> views_;
    std::vector<std::unique_ptr<ItemEditors>> editors_;
    QSet<QString> waiting_;
    QImage bandTexture_;
    std::optional<Hit> hovered_;
    std::optional<std::pair<int, ItemField>> lastFocus_;
    bool focusWanted_ = false;
    QPointer<QWidget> pressed_;
    bool active_ = true;
    QElapsedTimer activeSince_;
    QBasicTimer settle_;
    QBasicTimer trim_;
    bool syncQueued_ = false;
    bool sizeDirty_ = true;
};

} // namespace targello
