#include "gui/workspace/PageCanvas.h"

#include "core/workspace/ShopPage.h"
#include "gui/workspace/ItemPainter.h"
#include "gui/workspace/ItemTexts.h"
#include "gui/workspace/PageAccessible.h"
#include "gui/workspace/PictureCache.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStatusTipEvent>
#include <QToolTip>

namespace targello {

namespace {

QColor toQColor(const RgbColor& color) {
    return QColor(color.Red, color.Green, color.Blue);
}

constexpr ItemField TipFields[] = {ItemField::Picture, ItemField::Description, ItemField::Name,
                                   ItemField::Price};

} // namespace

PageCanvas::PageCanvas(ShopPage& page, PictureCache& pictures, QWidget* parent)
    : QWidget(parent), page_(page), pictures_(pictures), layout_(font()) {
    setObjectName(QStringLiteral("PageCanvas"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    PageAccessible::install();
    connect(&pictures_, &PictureCache::thumbnailReady, this, &PageCanvas::thumbnailReady);
    connect(&pictures_, &PictureCache::thumbnailFailed, this,
            [this](const QString& path, const QString&) { thumbnailFailed(path); });
    views_.resize(static_cast<std::size_t>(page_.ItemCount()));
    for (int k = 0; k < page_.ItemCount(); ++k)
        askForPicture(k);
}

PageCanvas::~PageCanvas() {
    PageAccessible::forget(this);
}

// ---- the model ----------------------------------------------------------

void PageCanvas::modelChanged() {
    // Removal reorders the items without saying which went: match the
    // thumbnails already shown to the items again by their paths.
    QHash<QString, QImage> shown;
    for (const ItemView& view : views_)
        if (!view.thumbnail.isNull())
            shown.insert(view.path, view.thumbnail);
    views_.assign(static_cast<std::size_t>(page_.ItemCount()), ItemView{});
    for (int k = 0; k < page_.ItemCount(); ++k) {
        const ShopItem& item = page_.Item(k);
        if (item.Picture != ItemPicture::File)
            continue;
        const QString path = QString::fromStdString(item.PicturePath);
        auto found = shown.constFind(path);
        if (found != shown.constEnd())
            views_[static_cast<std::size_t>(k)] = {path, *found};
        else
            askForPicture(k);
    }
    for (auto& editors : editors_) {
        if (editors->item() >= page_.ItemCount())
            editors->release();
        else if (editors->item() >= 0)
            bind(*editors, editors->item());
    }
    PageAccessible::itemsChanged(this);
    sizeDirty_ = true;
    update();
    scheduleSync();
}

void PageCanvas::itemAppended() {
    views_.resize(static_cast<std::size_t>(page_.ItemCount()));
    const int k = page_.ItemCount() - 1;
    askForPicture(k);
    sizeDirty_ = true;
    update(QRect(0, cellRect(k).top(), ShopPage::BandWidth, ShopPage::CellHeight));
    PageAccessible::itemsChanged(this);
    scheduleSync();
}

void PageCanvas::itemChanged(int k) {
    if (k < 0 || k >= page_.ItemCount())
        return;
    if (ItemEditors* editors = editorsOf(k))
        bind(*editors, k);
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

// ---- pictures -----------------------------------------------------------

const QImage& PageCanvas::pictureOf(int k) const {
    const ShopItem& item = page_.Item(k);
    switch (item.Picture) {
    case ItemPicture::Placeholder:
        return pictures_.placeholder();
    case ItemPicture::Missing:
        return pictures_.missing();
    case ItemPicture::File:
        break;
    }
    const ItemView& view = views_[static_cast<std::size_t>(k)];
    if (view.thumbnail.isNull() || view.path != QString::fromStdString(item.PicturePath))
        return pictures_.loading();
    return view.thumbnail;
}

void PageCanvas::setItemPicture(int k, const QImage& thumbnail) {
    if (k < 0 || k >= page_.ItemCount())
        return;
    views_[static_cast<std::size_t>(k)] = {QString::fromStdString(page_.Item(k).PicturePath), thumbnail};
    itemChanged(k);
}

void PageCanvas::loadStoredPictures() {
    for (int k = 0; k < page_.ItemCount(); ++k) {
        views_[static_cast<std::size_t>(k)] = {};
        askForPicture(k);
    }
}

void PageCanvas::askForPicture(int k) {
    const ShopItem& item = page_.Item(k);
    if (item.Picture != ItemPicture::File)
        return;
    const QString path = QString::fromStdString(item.PicturePath);
    const QImage ready = pictures_.request(path);
    if (ready.isNull()) {
        waiting_.insert(path);
        return;
    }
    views_[static_cast<std::size_t>(k)] = {path, ready};
}

void PageCanvas::thumbnailReady(const QString& path, const QImage& image) {
    if (!waiting_.remove(path))
        return;
    for (int k = 0; k < page_.ItemCount(); ++k) {
        const ShopItem& item = page_.Item(k);
        ItemView& view = views_[static_cast<std::size_t>(k)];
        if (item.Picture != ItemPicture::File || !view.thumbnail.isNull() ||
            QString::fromStdString(item.PicturePath) != path)
            continue;
        view = {path, image};
        itemChanged(k);
    }
}

void PageCanvas::thumbnailFailed(const QString& path) {
    if (!waiting_.remove(path))
        return;
    // A stored picture that cannot be read shows the missing picture; the
    // item keeps its path, so saving the project again loses nothing.
    for (int k = 0; k < page_.ItemCount(); ++k) {
        ShopItem& item = page_.Item(k);
        if (item.Picture != ItemPicture::File || !views_[static_cast<std::size_t>(k)].thumbnail.isNull() ||
            QString::fromStdString(item.PicturePath) != path)
            continue;
        item.Picture = ItemPicture::Missing;
        itemChanged(k);
    }
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

void PageCanvas::applySize() {
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

namespace {

// How long a page must stay active before its items in view get live controls.
constexpr int SettleMs = 150;
// How long an inactive page keeps the controls it no longer shows.
constexpr int TrimMs = 5000;

} // namespace

void PageCanvas::setActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    if (active)
        activeSince_.start();
    else
        activeSince_.invalidate();
    scheduleSync();
}

bool PageCanvas::settled() const {
    return active_ && (!activeSince_.isValid() || activeSince_.elapsed() >= SettleMs);
}

void PageCanvas::restoreFocus(bool whenSettled) {
    focusWanted_ = false;
    if (page_.ItemCount() == 0)
        return;
    if (whenSettled && !settled()) {
        focusWanted_ = true;
        scheduleSync();
        return;
    }
    std::pair<int, ItemField> target{0, ItemField::Name};
    if (lastFocus_ && lastFocus_->first < page_.ItemCount())
        target = *lastFocus_;
    if (QWidget* box = liveEditor(target.first, target.second))
        box->setFocus(Qt::OtherFocusReason);
}

void PageCanvas::viewChanged() {
    scheduleSync();
}

void PageCanvas::scheduleSync() {
    if (active_ && activeSince_.isValid() && activeSince_.elapsed() < SettleMs) {
        if (!settle_.isActive())
            settle_.start(static_cast<int>(SettleMs - activeSince_.elapsed()), this);
        return;
    }
    if (syncQueued_)
        return;
    syncQueued_ = true;
    QMetaObject::invokeMethod(this, &PageCanvas::flush, Qt::QueuedConnection);
}

void PageCanvas::timerEvent(QTimerEvent* event) {
    if (event->timerId() == trim_.timerId()) {
        trim_.stop();
        if (!active_)
            std::erase_if(editors_, [](const auto& editors) { return editors->item() < 0; });
        return;
    }
    if (event->timerId() != settle_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    settle_.stop();
    flush();
}

void PageCanvas::flush() {
    syncQueued_ = false;
    applySize();
    syncEditors();
    // The page window kept the focus while the page settled.
    if (focusWanted_ && parentWidget() != nullptr && parentWidget()->parentWidget() != nullptr &&
        parentWidget()->parentWidget()->hasFocus())
        restoreFocus(false);
    focusWanted_ = false;
}

void PageCanvas::syncEditors() {
    if (active_ && !settled()) {
        scheduleSync(); // the settling timer comes back here
        return;
    }
    const QRect view = active_ ? viewRect() : QRect();
    std::vector<bool> inView(static_cast<std::size_t>(page_.ItemCount()), false);
    for (int k = 0; k < page_.ItemCount(); ++k)
        inView[static_cast<std::size_t>(k)] = view.intersects(cellRect(k));
    for (auto& editors : editors_) {
        const int k = editors->item();
        if (k >= 0 && !inView[static_cast<std::size_t>(k)] && !editors->holdsFocus())
            editors->release();
        else if (k >= 0)
            inView[static_cast<std::size_t>(k)] = false; // already shown live
    }
    if (!active_) {
        // A page left in the background lets its spare controls go after a while.
        if (!trim_.isActive())
            trim_.start(TrimMs, this);
        return;
    }
    for (int k = 0; k < page_.ItemCount(); ++k)
        if (inView[static_cast<std::size_t>(k)])
            acquire(k);
}

ItemEditors* PageCanvas::editorsOf(int k) const {
    for (const auto& editors : editors_)
        if (editors->item() == k)
            return editors.get();
    return nullptr;
}

ItemEditors* PageCanvas::acquire(int k) {
    if (ItemEditors* bound = editorsOf(k))
        return bound;
    ItemEditors* free = nullptr;
    for (const auto& editors : editors_)
        if (editors->item() < 0)
            free = editors.get();
    if (free == nullptr) {
        editors_.push_back(std::make_unique<ItemEditors>(this, *this));
        free = editors_.back().get();
        free->watchFocus(this);
    }
    bind(*free, k);
    return free;
}

void PageCanvas::bind(ItemEditors& editors, int k) {
    editors.bind(k, page_.Item(k), pictureOf(k), layout_, cellRect(k).topLeft());
}

QWidget* PageCanvas::liveEditor(int k, ItemField field) {
    if (k < 0 || k >= page_.ItemCount())
        return nullptr;
    applySize();
    ItemEditors* editors = acquire(k);
    if (field == ItemField::Description && editors->widget(field) == nullptr)
        return editors->addDescription(page_.Item(k), fieldRect(k, field));
    return editors->widget(field);
}

QWidget* PageCanvas::revealEditor(int k, ItemField field) {
    if (k < 0 || k >= page_.ItemCount())
        return nullptr;
    applySize();
    auto* area =
        parentWidget() != nullptr ? qobject_cast<QScrollArea*>(parentWidget()->parentWidget()) : nullptr;
    if (area != nullptr) {
        const QRect cell = cellRect(k);
        area->ensureVisible(cell.center().x(), cell.center().y(), cell.width() / 2, cell.height() / 2);
    }
    return liveEditor(k, field);
}

QWidget* PageCanvas::existingEditor(int k, ItemField field) const {
    const ItemEditors* editors = editorsOf(k);
    return editors != nullptr ? editors->widget(field) : nullptr;
}

std::optional<PageCanvas::Position> PageCanvas::editorPosition(const QWidget* widget) const {
    for (const auto& editors : editors_) {
        if (editors->item() < 0)
            continue;
        if (auto field = editors->fieldOf(widget))
            return Position{editors->item(), *field};
    }
    return std::nullopt;
}

void PageCanvas::nameEdited(int k, const QString& text) {
    if (k >= 0 && k < page_.ItemCount())
        page_.Item(k).Name = text.toStdString();
}

void PageCanvas::priceEdited(int k, const QString& text) {
    if (k >= 0 && k < page_.ItemCount())
        emit priceChanged(k, text);
}

void PageCanvas::descriptionEdited(int k, const QString& text) {
    if (k >= 0 && k < page_.ItemCount())
        page_.Item(k).Description = ItemTexts::storedLines(text).toStdString();
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
        const ItemEditors* live = editorsOf(k);
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
                             toQColor(band % 2 == 0 ? page_.Settings.RowColor2 : page_.Settings.RowColor1));
    }
}

std::optional<PageCanvas::Hit> PageCanvas::hitTest(QPoint point) const {
    for (int k = 0; k < page_.ItemCount(); ++k) {
        if (!cellRect(k).contains(point))
            continue;
        for (ItemField field : TipFields)
            if (fieldRect(k, field).contains(point))
                return Hit{k, field};
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

void PageCanvas::hover(std::optional<Hit> hit) {
    const bool same = hit.has_value() == hovered_.has_value() &&
                      (!hit || (hit->item == hovered_->item && hit->field == hovered_->field));
    if (same)
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

bool PageCanvas::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (const auto position = editorPosition(qobject_cast<QWidget*>(watched)))
            lastFocus_ = std::make_pair(position->item, position->field);
    }
    return QWidget::eventFilter(watched, event);
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
    scheduleSync();
}

} // namespace targello
