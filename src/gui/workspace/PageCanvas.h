#pragma once

#include "gui/workspace/ItemEditors.h"
#include "gui/workspace/ItemField.h"
#include "gui/workspace/ItemLayout.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <optional>

class QContextMenuEvent;
class QHelpEvent;

namespace targello {

class EditorPool;
class ItemThumbnails;
class PictureCache;
class ShopPage;

// The surface of a shop page: it paints the row bands and every item, and
// holds live controls only for the items in view (its EditorPool). A page of
// 100 items thus costs a handful of widgets instead of 700, and a hundred
// pages open at once. The thumbnails it shows come from its ItemThumbnails.
class PageCanvas : public QWidget, public ItemEditorHost {
    Q_OBJECT

public:
    PageCanvas(ShopPage& page, PictureCache& pictures, QWidget* parent = nullptr);
    ~PageCanvas() override;

    ShopPage& page() const { return page_; }
    const ItemLayout& layout() const { return layout_; }
    EditorPool& editors() { return *editors_; }

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

    // See EditorPool: only the active page keeps live controls, once settled.
    void setActive(bool active);
    bool settled() const;
    void restoreFocus(bool whenSettled);
    void cancelFocusRestore();
    // `target` takes the focus and comes into view once the event loop runs.
    void focusItem(ItemFieldRef target);

    // The visible part of the canvas changed (scrolling, resizing, showing).
    void viewChanged();
    // Carries out what is waiting for the event loop: the canvas size and the
    // live controls of the items in view.
    void flush();
    // Takes the size the items and bands need.
    void fitContents();

    QRect cellRect(int k) const;
    QRect fieldRect(int k, ItemField field) const;
    // The part of the canvas its scroll area shows.
    QRect viewRect() const;
    // The live control of item k, created when the item has none yet.
    QWidget* liveEditor(int k, ItemField field);
    QWidget* existingEditor(int k, ItemField field) const;
    // Has item k scrolled into view (revealRequested) and gives its live control.
    QWidget* revealEditor(int k, ItemField field);
    std::optional<ItemFieldRef> editorPosition(const QWidget* widget) const;

    const QImage& pictureOf(int k) const;
    QString tipOf(int k, ItemField field) const;

    // ItemEditorHost: the live controls write straight into the model.
    void nameEdited(int k, const QString& text) override;
    void priceEdited(int k, const QString& text) override;
    void descriptionEdited(int k, const QString& text) override;
    void pictureDoubleClicked(int k) override;

signals:
    void pictureRequested(int k);
    // An item's name or description reached the page.
    void edited();
    // A picture file was dropped on item k's picture.
    void pictureDropped(int k, const QString& path);
    void priceChanged(int k, const QString& text);
    // The cell at `cell` should be scrolled into view.
    void revealRequested(const QRect& cell);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::optional<ItemFieldRef> hitTest(QPoint point) const;
    void hover(std::optional<ItemFieldRef> hit);
    bool showToolTip(QHelpEvent* help);
    QSize contentSize() const;
    void paintBands(QPainter& painter, const QRect& area);
    QWidget* boxUnderMouse(QPoint point);
    void forward(QMouseEvent* event);

    ShopPage& page_;
    ItemLayout layout_;
    ItemThumbnails* thumbnails_;
    EditorPool* editors_;
    QImage bandTexture_;
    std::optional<ItemFieldRef> hovered_;
    QPointer<QWidget> pressed_;
    bool sizeDirty_ = true;
};

} // namespace targello
