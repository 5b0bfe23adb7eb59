#include "gui/workspace/PaintedItemAccessible.h"

#include "core/workspace/ShopPage.h"
#include "gui/workspace/ItemTexts.h"
#include "gui/workspace/PageCanvas.h"

namespace targello {

PaintedItemAccessible::PaintedItemAccessible(PageCanvas* canvas, int k, ItemField field)
    : canvas_(canvas), item_(k), field_(field) {}

bool PaintedItemAccessible::isValid() const {
    return canvas_ != nullptr && item_ < canvas_->page().ItemCount();
}

QWindow* PaintedItemAccessible::window() const {
    return isValid() ? canvas_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* PaintedItemAccessible::parent() const {
    return isValid() ? QAccessible::queryAccessibleInterface(canvas_.data()) : nullptr;
}

QString PaintedItemAccessible::text(QAccessible::Text t) const {
    if (!isValid())
        return {};
    const ShopItem& item = canvas_->page().Item(item_);
    switch (t) {
    case QAccessible::Name:
        return ItemTexts::accessibleName(field_, item_);
    case QAccessible::Description:
        return canvas_->tipOf(item_, field_);
    case QAccessible::Value:
        switch (field_) {
        case ItemField::Name:
            return QString::fromStdString(item.Name);
        case ItemField::Price:
            return QString::fromStdString(item.Price);
        case ItemField::Description:
            return QString::fromStdString(item.Description);
        case ItemField::Picture:
            return QString::fromStdString(item.PicturePath);
        }
        break;
    default:
        break;
    }
    return {};
}

void PaintedItemAccessible::setText(QAccessible::Text t, const QString& text) {
    if (!isValid() || t != QAccessible::Value)
        return;
    switch (field_) {
    case ItemField::Name:
        canvas_->nameEdited(item_, text);
        break;
    case ItemField::Price:
        canvas_->priceEdited(item_, text);
        break;
    case ItemField::Description:
        canvas_->descriptionEdited(item_, text);
        break;
    case ItemField::Picture:
        return;
    }
    canvas_->itemChanged(item_);
}

QRect PaintedItemAccessible::rect() const {
    if (!isValid())
        return {};
    const QRect local = canvas_->fieldRect(item_, field_);
    return {canvas_->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::Role PaintedItemAccessible::role() const {
    return field_ == ItemField::Picture ? QAccessible::Graphic : QAccessible::EditableText;
}

QAccessible::State PaintedItemAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.invisible = !canvas_->isVisible();
    state.offscreen = true; // an item in view answers with its live controls
    state.focusable = field_ != ItemField::Picture;
    state.editable = field_ != ItemField::Picture;
    state.multiLine = field_ == ItemField::Description;
    return state;
}

void* PaintedItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList PaintedItemAccessible::actionNames() const {
    if (field_ == ItemField::Picture)
        return {pressAction()};
    return {setFocusAction()};
}

void PaintedItemAccessible::doAction(const QString& actionName) {
    if (!isValid())
        return;
    if (field_ == ItemField::Picture && actionName == pressAction()) {
        canvas_->pictureDoubleClicked(item_);
    } else if (field_ != ItemField::Picture && actionName == setFocusAction()) {
        if (QWidget* live = canvas_->revealEditor(item_, field_))
            live->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace targello
