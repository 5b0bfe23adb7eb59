#include "gui/workspace/PageCanvas.h"

#include "core/workspace/ShopPage.h"
#include "gui/common/QtColor.h"
#include "gui/workspace/EditorPool.h"
#include "gui/workspace/ItemPainter.h"
#include "gui/workspace/ItemTexts.h"
#include "gui/workspace/ItemThumbnails.h"
#include "gui/workspace/PageAccessible.h"
#include "gui/workspace/PictureDrop.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStatusTipEvent>
#include <QToolTip>

namespace targello {

namespace {

constexpr ItemField TipFields[] = {ItemField::Picture, ItemField::Description, ItemField::Name,
                                   ItemField::Price};

} // namespace

PageCanvas::PageCanvas(ShopPage& page, PictureCache& pictures, QWidget* parent)
    : QWidget(parent), page_(page), layout_(font()), thumbnails_(new ItemThumbnails(page, pictures, this)),
      editors_(new EditorPool(*this)) {
    setObjectName(QStringLiteral("PageCanvas"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    PageAccessible::install();
    connect(thumbnails_, &ItemThumbnails::pictureChanged, this, &PageCanvas::itemChanged);
    auto* drop = new PictureDrop(*this, [this](QPoint point) {
        const auto hit = hitTest(point);
        return hit && hit->field == ItemField::Picture ? hit->item : -1;
    });
    connect(drop, &PictureDrop::dropped, this, &PageCanvas::pictureDropped);
}

PageCanvas::~PageCanvas() {
    PageAccessible::forget(this);
}

// ---- the model ----------------------------------------------------------

void PageCanvas::modelChanged() {
    thumbnails_->itemsChanged();
    editors_->itemsChanged(page_.ItemCount());
    PageAccessible::itemsChanged(this);
    sizeDirty_ = true;
    update();
    editors_->schedule();
}

void PageCanvas::itemAppended() {
    thumbnails_->itemAppended();
    const int k = page_.ItemCount() - 1;
    sizeDirty_ = true;
    update(QRect(0, cellRect(k).top(), ShopPage::BandWidth, ShopPage::CellHeight));
    PageAccessible::itemsChanged(this);
    editors_->schedule();
}

void PageCanvas::itemChanged(int k) {
    if (k < 0 || k >= page_.ItemCount())
        return;
    editors_->itemChanged(k);
    update(cellRect(k));
}

void PageCanvas::setBandTexture(const QImage& strip) {
    bandTexture_ = strip;
    update();
}

void PageCanvas::clearBandTexture() {
    bandTexture_ = QImage();
    update();
}

const QImage& PageCanvas::pictureOf(int k) const {
    return thumbnails_->pictureOf(k);
}

void PageCanvas::setItemPicture(int k, const QImage& thumbnail) {
    thumbnails_->setPicture(k, thumbnail);
}

void PageCanvas::loadStoredPictures() {
    thumbnails_->reloadAll();
}

// ---- geometry -----------------------------------------------------------

QRect PageCanvas::cellRect(int k) const {
    const ShopItem& item = page_.Item(k);
    return {item.X, item.Y, ShopPage::CellWidth, ShopPage::CellHeight};
}

QRect PageCanvas::fieldRect(int k, ItemField field) const {
    const QPoint cell = cellRect(k).topLeft();
    switch (field) {
    case ItemField::Picture:
        return layout_.rect(ItemControl::Picture, cell);
    case ItemField::Name:
        return layout_.rect(ItemControl::NameBox, cell);
    case ItemField::Price:
        return layout_.rect(ItemControl::PriceBox, cell);
    case ItemField::Description:
        return layout_.rect(ItemControl::DescriptionBox, cell);
    }
    return {};
}

QSize PageCanvas::contentSize() const {
    // Shown bands are 1200 wide whatever the columns, so they set the width
    // of the scrolled area as soon as there is one.
    const int bands = page_.VisibleBandCount();
    QRect content(0, 0, bands > 0 ? ShopPage::BandWidth : 0, bands * ShopPage::CellHeight);
    for (int k = 0; k < page_.ItemCount(); ++k)
        content |= fieldRect(k, ItemField::Description) | fieldRect(k, ItemField::Price);
    return {content.right() + 1, content.bottom() + 1};
}

void PageCanvas::fitContents() {
    if (!sizeDirty_)
        return;
    sizeDirty_ = false;
    const QSize size = contentSize();
    if (size != this->size())
        resize(size);
}

QRect PageCanvas::viewRect() const {
    if (!isVisible() || parentWidget() == nullptr)
        return {};
    return QRect(-pos(), parentWidget()->size()) & rect();
}

QString PageCanvas::tipOf(int k, ItemField field) const {
    if (field == ItemField::Picture)
        return QString::fromStdString(page_.Item(k).PicturePath);
    return ItemTexts::boxTip(field);
}

// ---- live controls ------------------------------------------------------

void PageCanvas::setActive(bool active) {
    editors_->setActive(active);
}

bool PageCanvas::settled() const {
    return editors_->settled();
}

void PageCanvas::restoreFocus(bool whenSettled) {
    editors_->restoreFocus(whenSettled);
}

void PageCanvas::cancelFocusRestore() {
    editors_->cancelFocusRestore();
}

void PageCanvas::focusItem(ItemFieldRef target) {
    editors_->focusItem(target);
}

void PageCanvas::viewChanged() {
    editors_->schedule();
}

void PageCanvas::flush() {
    editors_->flush();
}

QWidget* PageCanvas::liveEditor(int k, ItemField field) {
    return editors_->liveEditor(k, field);
}

QWidget* PageCanvas::revealEditor(int k, ItemField field) {
    if (k < 0 || k >= page_.ItemCount())
        return nullptr;
    fitContents();
    emit revealRequested(cellRect(k));
    return liveEditor(k, field);
}

QWidget* PageCanvas::existingEditor(int k, ItemField field) const {
    return editors_->existingEditor(k, field);
}

std::optional<ItemFieldRef> PageCanvas::editorPosition(const QWidget* widget) const {
    return editors_->editorPosition(widget);
}

void PageCanvas::nameEdited(int k, const QString& text) {
    if (k < 0 || k >= page_.ItemCount())
        return;
    page_.SetItemName(k, text.toStdString());
    emit edited();
}

void PageCanvas::priceEdited(int k, const QString& text) {
    if (k >= 0 && k < page_.ItemCount())
        emit priceChanged(k, text);
}

void PageCanvas::descriptionEdited(int k, const QString& text) {
    if (k < 0 || k >= page_.ItemCount())
        return;
    page_.SetItemDescription(k, ItemTexts::storedLines(text).toStdString());
    emit edited();
}

void PageCanvas::pictureDoubleClicked(int k) {
    if (k >= 0 && k < page_.ItemCount())
        emit pictureRequested(k);
}

// ---- painting and the mouse ---------------------------------------------

void PageCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, Qt::white);
    paintBands(painter, area);
    ItemPainter items(painter, *this, layout_);
    for (int k = 0; k < page_.ItemCount(); ++k) {
        if (!area.intersects(cellRect(k)))
            continue;
        // What live controls cover is not painted twice.
        const ItemEditors* live = editors_->editorsOf(k);
        ItemPainter::Parts parts = ItemPainter::Labels;
        if (live == nullptr)
            parts |= ItemPainter::Picture | ItemPainter::LineBoxes;
        if (live == nullptr || live->widget(ItemField::Description) == nullptr)
            parts |= ItemPainter::DescriptionBox;
        items.paint(page_.Item(k), pictureOf(k), cellRect(k).topLeft(), parts);
    }
}

void PageCanvas::paintBands(QPainter& painter, const QRect& area) {
    const int first = qMax(0, area.top() / ShopPage::CellHeight);
    const int last = qMin(ShopPage::BandCount - 1, area.bottom() / ShopPage::CellHeight);
    for (int band = first; band <= last; ++band) {
        if (!page_.BandVisible(band))
            continue;
        const QRect strip(0, band * ShopPage::CellHeight, ShopPage::BandWidth, ShopPage::CellHeight);
        if (!bandTexture_.isNull())
            painter.drawImage(strip, bandTexture_);
        else
            painter.fillRect(strip,
                             ToQColor(band % 2 == 0 ? page_.Settings.RowColor2 : page_.Settings.RowColor1));
    }
}

std::optional<ItemFieldRef> PageCanvas::hitTest(QPoint point) const {
    for (int k = 0; k < page_.ItemCount(); ++k) {
        if (!cellRect(k).contains(point))
            continue;
        for (ItemField field : TipFields)
            if (fieldRect(k, field).contains(point))
                return ItemFieldRef{k, field};
        return std::nullopt;
    }
    return std::nullopt;
}

bool PageCanvas::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        return showToolTip(static_cast<QHelpEvent*>(event));
    return QWidget::event(event);
}

bool PageCanvas::showToolTip(QHelpEvent* help) {
    const auto hit = hitTest(help->pos());
    if (!hit) {
        QToolTip::hideText();
        help->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), tipOf(hit->item, hit->field), this,
                       fieldRect(hit->item, hit->field));
    return true;
}

void PageCanvas::hover(std::optional<ItemFieldRef> hit) {
    if (hit == hovered_)
        return;
    hovered_ = hit;
    if (!hit)
        unsetCursor();
    else
        setCursor(hit->field == ItemField::Picture ? Qt::PointingHandCursor : Qt::IBeamCursor);
    // Painted items tell the status bar what they are, as live controls do.
    QStatusTipEvent tip(hit ? tipOf(hit->item, hit->field) : QString());
    QCoreApplication::sendEvent(this, &tip);
}

void PageCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ != nullptr && event->buttons() != Qt::NoButton) {
        forward(event);
        return;
    }
    hover(hitTest(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void PageCanvas::leaveEvent(QEvent* event) {
    hover(std::nullopt);
    QWidget::leaveEvent(event);
}

QWidget* PageCanvas::boxUnderMouse(QPoint point) {
    const auto hit = hitTest(point);
    if (!hit || hit->field == ItemField::Picture)
        return nullptr;
    QWidget* editor = liveEditor(hit->item, hit->field);
    if (auto* text = qobject_cast<QPlainTextEdit*>(editor))
        return text->viewport(); // where a text box takes its mouse events
    return editor;
}

void PageCanvas::forward(QMouseEvent* event) {
    const QPointF inside = pressed_->mapFrom(this, event->position());
    QMouseEvent copy(event->type(), inside, event->globalPosition(), event->button(), event->buttons(),
                     event->modifiers(), event->pointingDevice());
    QCoreApplication::sendEvent(pressed_, &copy);
}

void PageCanvas::mousePressEvent(QMouseEvent* event) {
    // A painted box becomes a live one under the mouse, which then gets the
    // press itself: the caret lands where the user clicked, and a drag selects.
    QWidget* box = boxUnderMouse(event->position().toPoint());
    if (box == nullptr) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    QWidget* editor =
        qobject_cast<QPlainTextEdit*>(box->parentWidget()) != nullptr ? box->parentWidget() : box;
    editor->setFocus(Qt::MouseFocusReason);
    pressed_ = box;
    forward(event);
}

void PageCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (pressed_ == nullptr) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    forward(event);
    pressed_ = nullptr;
}

void PageCanvas::contextMenuEvent(QContextMenuEvent* event) {
    QWidget* box = boxUnderMouse(event->pos());
    if (box == nullptr) {
        QWidget::contextMenuEvent(event);
        return;
    }
    QContextMenuEvent copy(event->reason(), box->mapFrom(this, event->pos()), event->globalPos(),
                           event->modifiers());
    QCoreApplication::sendEvent(box, &copy);
}

void PageCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    const auto hit = hitTest(event->position().toPoint());
    if (hit && hit->field == ItemField::Picture && event->button() == Qt::LeftButton) {
        event->accept();
        emit pictureRequested(hit->item);
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void PageCanvas::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    editors_->schedule();
}

} // namespace targello
