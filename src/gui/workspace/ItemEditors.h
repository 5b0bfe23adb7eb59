#pragma once

#include "gui/workspace/ItemField.h"

#include <QImage>
#include <QPoint>
#include <Qt>
#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QString;
class QWidget;

namespace targello {

class ItemLayout;
class PictureBox;
struct ShopItem;

// Gives an item's box the focus for `reason`. A line box entered as by Tab
// has its whole text selected, as Qt does, but with the beginning in view
// rather than the end, so that a long name still shows what it is.
void EnterBox(QWidget* box, Qt::FocusReason reason);

// What the live controls of an item report to the page that shows them.
class ItemEditorHost {
public:
    virtual void nameEdited(int k, const QString& text) = 0;
    virtual void priceEdited(int k, const QString& text) = 0;
    virtual void descriptionEdited(int k, const QString& text) = 0;
    virtual void pictureDoubleClicked(int k) = 0;

protected:
    ~ItemEditorHost() = default;
};

// The live controls of one item in view: its picture and its three boxes.
// A page keeps only as many sets as items fit in its window; when an item
// scrolls out of view its set is bound to another one. The description box,
// the costliest of them, is made only once the user goes to it; until then
// the page paints it.
class ItemEditors {
public:
    ItemEditors(QWidget* canvas, ItemEditorHost& host);
    ~ItemEditors();
    ItemEditors(const ItemEditors&) = delete;
    ItemEditors& operator=(const ItemEditors&) = delete;

    // `watcher` sees the controls' events (to know where the focus was last).
    void watchFocus(QObject* watcher);

    // The item shown, or -1 for a free set.
    int item() const { return item_; }

    // Shows item k (its cell's top-left corner at `cell`) in these controls.
    void bind(int k, const ShopItem& item, const QImage& picture, const ItemLayout& layout, QPoint cell);
    void release();

    // Brings the controls in line with the item after the model changed.
    void showTexts(const ShopItem& item);
    void showPicture(const QImage& picture, const QString& path);

    // The control, or nullptr for a description box not made yet.
    QWidget* widget(ItemField field) const;
    // Makes the description box of the item shown, at `box`.
    QWidget* addDescription(const ShopItem& item, const QRect& box);
    std::optional<ItemField> fieldOf(const QWidget* widget) const;
    bool holdsFocus() const;

private:
    void connectTo(ItemEditorHost& host);
    void showDescription(const ShopItem& item);

    int item_ = -1;
    PictureBox* picture_;
    QLineEdit* name_;
    QLineEdit* price_;
    QPlainTextEdit* description_ = nullptr;
    ItemEditorHost& host_;
    QWidget* canvas_;
    QObject* watcher_ = nullptr;
};

} // namespace targello
