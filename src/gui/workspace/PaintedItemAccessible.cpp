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

QString PaintedItemAccessible::boxText() const {
    if (!isValid())
        return {};
    const ShopItem& item = canvas_->page().Item(item_);
    switch (field_) {
    case ItemField::Name:
        return QString::fromStdString(item.Name);
    case ItemField::Price:
        return QString::fromStdString(item.Price);
    case ItemField::Description:
        return ItemTexts::shownLines(QString::fromStdString(item.Description));
    case ItemField::Picture:
        return QString::fromStdString(item.PicturePath);
    }
    return {};
}

QString PaintedItemAccessible::text(QAccessible::Text t) const {
    if (!isValid())
        return {};
    switch (t) {
    case QAccessible::Name:
        return ItemTexts::accessibleName(field_, item_);
    case QAccessible::Description:
        return canvas_->tipOf(item_, field_);
    case QAccessible::Value:
        return field_ == ItemField::Picture ? QString() : boxText();
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
    state.offscreen = !canvas_->viewRect().intersects(canvas_->fieldRect(item_, field_));
    // Each of them takes the focus: the action below makes its live control.
    state.focusable = true;
    state.editable = field_ != ItemField::Picture;
    state.multiLine = field_ == ItemField::Description;
    return state;
}

void* PaintedItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    switch (type) {
    case QAccessible::ActionInterface:
        return static_cast<QAccessibleActionInterface*>(this);
    case QAccessible::TextInterface:
        return field_ != ItemField::Picture ? static_cast<QAccessibleTextInterface*>(this) : nullptr;
    case QAccessible::ImageInterface:
        return field_ == ItemField::Picture ? static_cast<QAccessibleImageInterface*>(this) : nullptr;
    default:
        return nullptr;
    }
}

QStringList PaintedItemAccessible::actionNames() const {
    if (field_ == ItemField::Picture)
        return {pressAction(), setFocusAction()};
    return {setFocusAction()};
}

void PaintedItemAccessible::doAction(const QString& actionName) {
    if (!isValid())
        return;
    if (field_ == ItemField::Picture && actionName == pressAction()) {
        canvas_->pictureDoubleClicked(item_);
    } else if (actionName == setFocusAction()) {
        if (QWidget* live = canvas_->revealEditor(item_, field_))
            live->setFocus(Qt::OtherFocusReason);
    }
}

void PaintedItemAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString PaintedItemAccessible::text(int startOffset, int endOffset) const {
    const QString all = boxText();
    if (endOffset < 0 || endOffset > all.size())
        endOffset = static_cast<int>(all.size());
    if (startOffset < 0 || startOffset > endOffset)
        return {};
    return all.mid(startOffset, endOffset - startOffset);
}

void PaintedItemAccessible::scrollToSubstring(int, int) {
    if (isValid())
        canvas_->revealEditor(item_, field_);
}

QString PaintedItemAccessible::attributes(int, int* startOffset, int* endOffset) const {
    // One run of plain text.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QString PaintedItemAccessible::imageDescription() const {
    return isValid() ? canvas_->tipOf(item_, field_) : QString();
}

QSize PaintedItemAccessible::imageSize() const {
    return isValid() ? canvas_->fieldRect(item_, field_).size() : QSize();
}

QPoint PaintedItemAccessible::imagePosition() const {
    return rect().topLeft();
}

} // namespace targello
