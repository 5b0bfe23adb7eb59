#pragma once

#include "gui/workspace/ItemField.h"

#include <QImage>
#include <QPoint>
#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QString;
class QWidget;

namespace targello {

class ItemLayout;
class PictureBox;
struct ShopItem;

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
// scrolls out of view its set is bound to another one.
class ItemEditors {
public:
    ItemEditors(QWidget* canvas, ItemEditorHost& host);
    ItemEditors(const ItemEditors&) = delete;
    ItemEditors& operator=(const ItemEditors&) = delete;

    // The item shown, or -1 for a free set.
    int item() const { return item_; }

    // Shows item k (its cell's top-left corner at `cell`) in these controls.
    void bind(int k, const ShopItem& item, const QImage& picture, const ItemLayout& layout, QPoint cell);
    void release();

    // Brings the controls in line with the item after the model changed.
    void showTexts(const ShopItem& item);
    void showPicture(const QImage& picture, const QString& path);

    QWidget* widget(ItemField field) const;
    std::optional<ItemField> fieldOf(const QWidget* widget) const;
    bool holdsFocus() const;

private:
    void connectTo(ItemEditorHost& host);

    int item_ = -1;
    PictureBox* picture_;
    QLineEdit* name_;
    QLineEdit* price_;
    QPlainTextEdit* description_;
};

} // namespace targello
