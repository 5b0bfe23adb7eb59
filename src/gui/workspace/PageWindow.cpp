#include "gui/workspace/PageWindow.h"

#include "core/workspace/PriceText.h"
#include "core/workspace/ShopPage.h"
#include "gui/common/AppContext.h"
#include "gui/common/FolderMemory.h"
#include "gui/platform/Platform.h"
#include "gui/workspace/ItemEditors.h"
#include "gui/workspace/PageCanvas.h"
#include "gui/workspace/PictureCache.h"
#include "gui/workspace/PictureFormats.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QScrollBar>

namespace targello {

namespace {

// The picture comes first, so that it can be chosen without a mouse.
constexpr ItemField TabOrder[] = {ItemField::Picture, ItemField::Name, ItemField::Price,
                                  ItemField::Description};
constexpr int TabStops = 4;

int tabStopOf(ItemField field) {
    for (int stop = 0; stop < TabStops; ++stop)
        if (TabOrder[stop] == field)
            return stop;
    return 0;
}

} // namespace

PageWindow::PageWindow(AppContext& app, PictureCache& pictures, ShopPage& page, QWidget* parent)
    : QScrollArea(parent), app_(app), pictures_(pictures), page_(page),
      canvas_(new PageCanvas(page, pictures)) {
    setObjectName(QStringLiteral("MDIChild"));
    setWindowTitle(QString::fromStdString(page.Caption()));
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(white);
    viewport()->setAutoFillBackground(true);
    setWidgetResizable(false);
    setWidget(canvas_);
    connect(canvas_, &PageCanvas::pictureRequested, this, &PageWindow::loadItemPicture);
    connect(canvas_, &PageCanvas::priceChanged, this, &PageWindow::setPriceText);
    connect(canvas_, &PageCanvas::edited, this, &PageWindow::edited);
    connect(canvas_, &PageCanvas::pictureDropped, this, &PageWindow::loadPictureFile);
    connect(canvas_, &PageCanvas::revealRequested, this, [this](const QRect& cell) {
        ensureVisible(cell.center().x(), cell.center().y(), cell.width() / 2, cell.height() / 2);
    });
}

ShopPage& PageWindow::page() {
    return page_;
}

QSize PageWindow::sizeHint() const {
    // Two columns of items and a little more than two rows.
    return {2 * ShopPage::CellWidth + verticalScrollBar()->sizeHint().width() + 8,
            ShopPage::CellHeight * 5 / 2};
}

void PageWindow::insertItem() {
    if (page_.InsertItem() == InsertOutcome::LimitReached) {
        app_.platform().showMessage(app_.window(), QString::fromUtf8(ItemLimitMessage));
        return;
    }
    scrollHome();
    canvas_->itemAppended();
    emit edited();
    // The user goes on with the new item: its name takes the focus and comes
    // into view (once, however many items were added in a row).
    focusItem(page_.ItemCount() - 1);
}

void PageWindow::focusItem(int k) {
    if (k >= 0 && k < page_.ItemCount())
        canvas_->focusItem({k, ItemField::Name});
}

void PageWindow::relayout() {
    canvas_->modelChanged();
    scrollHome();
}

void PageWindow::setBandTexture(const QImage& strip) {
    canvas_->setBandTexture(strip);
}

void PageWindow::clearBandTexture() {
    canvas_->clearBandTexture();
}

void PageWindow::loadItemPicture(int k) {
    if (k < 0 || k >= page_.ItemCount())
        return;
    const QString kind = QStringLiteral("obrazek");
    const QString path = app_.platform().openFileName(
        app_.window(), QStringLiteral("Wczytaj obrazek produktu"), PictureFormats::openFilter(), LastFolder(kind));
    if (path.isEmpty())
        return;
    RememberFolder(kind, path);
    loadPictureFile(k, path);
}

void PageWindow::loadPictureFile(int k, const QString& path) {
    if (k < 0 || k >= page_.ItemCount())
        return;
    // The last choice for an item wins, whichever decode finishes first.
    pendingPictures_.insert(k, path);
    pictures_.loadInBackground(path, this, [this, k, path](const QImage& thumbnail, const QString& reason) {
        pictureFileLoaded(k, path, thumbnail, reason);
    });
}

void PageWindow::pictureFileLoaded(int k, const QString& path, const QImage& thumbnail,
                                   const QString& reason) {
    const auto pending = pendingPictures_.constFind(k);
    if (pending == pendingPictures_.constEnd() || *pending != path)
        return;
    pendingPictures_.erase(pending);
    if (thumbnail.isNull()) {
        app_.platform().showError(app_.window(), PictureFormats::loadFailedMessage(path, reason));
        return;
    }
    // The item may have gone while the picture was decoded.
    if (k >= page_.ItemCount())
        return;
    page_.SetItemPicture(k, path.toStdString(), ItemPicture::File);
    canvas_->setItemPicture(k, thumbnail);
    emit itemPictureChanged(k);
    emit edited();
}

void PageWindow::setPriceText(int k, const QString& text) {
    if (k < 0 || k >= page_.ItemCount())
        return;
    page_.SetItemPrice(k, text.toStdString());
    emit edited();
    if (IsAcceptablePriceText(page_.Item(k).Price)) {
        canvas_->itemChanged(k);
        return;
    }
    // The reset text passes the check, so resetting never starts a chain.
    page_.SetItemPrice(k, DefaultPriceText);
    canvas_->itemChanged(k);
    app_.platform().showWarning(app_.window(), QStringLiteral("uwaga !"),
                                QStringLiteral("Nieprawidłowy wpis kwoty"));
}

void PageWindow::loadStoredPictures() {
    canvas_->loadStoredPictures();
}

void PageWindow::refreshItem(int k) {
    canvas_->itemChanged(k);
}

QWidget* PageWindow::editor(int k, ItemField field) {
    return canvas_->revealEditor(k, field);
}

bool PageWindow::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange)
        followSubWindow();
    return QScrollArea::event(event);
}

void PageWindow::followSubWindow() {
    // In the multi-document area only the active page keeps live controls.
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (frame == nullptr) {
        canvas_->setActive(true);
        return;
    }
    canvas_->setActive(frame->windowState().testFlag(Qt::WindowActive));
    connect(frame, &QMdiSubWindow::windowStateChanged, this, &PageWindow::frameStateChanged,
            Qt::UniqueConnection);
}

void PageWindow::frameStateChanged(Qt::WindowStates, Qt::WindowStates now) {
    canvas_->setActive(now.testFlag(Qt::WindowActive));
}

void PageWindow::focusInEvent(QFocusEvent* event) {
    QScrollArea::focusInEvent(event);
    // The window itself has nothing to type into: the focus goes on to the
    // box that had it last, or to the first item's name, once the page has
    // its live controls; a key pressed before then gets them at once.
    canvas_->restoreFocus(true);
}

void PageWindow::focusOutEvent(QFocusEvent* event) {
    QScrollArea::focusOutEvent(event);
    // The focus went elsewhere before the page settled: it stays there.
    canvas_->cancelFocusRestore();
}

void PageWindow::keyPressEvent(QKeyEvent* event) {
    if (!hasFocus() || page_.ItemCount() == 0) {
        QScrollArea::keyPressEvent(event);
        return;
    }
    canvas_->restoreFocus(false);
    QWidget* box = QApplication::focusWidget();
    if (box == nullptr || box == this) {
        QScrollArea::keyPressEvent(event);
        return;
    }
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(), event->isAutoRepeat(),
                   static_cast<ushort>(event->count()));
    QCoreApplication::sendEvent(box, &copy);
}

bool PageWindow::focusNextPrevChild(bool next) {
    const auto position = canvas_->editorPosition(QApplication::focusWidget());
    const int count = page_.ItemCount();
    if (!position && hasFocus() && count > 0) {
        canvas_->restoreFocus(false);
        return true;
    }
    if (!position || count == 0)
        return QScrollArea::focusNextPrevChild(next);
    // Tab goes through picture, name, price and description of an item, then
    // on to the next item, and from the last item back to the first.
    int stop = position->item * TabStops + tabStopOf(position->field) + (next ? 1 : -1);
    stop = (stop + count * TabStops) % (count * TabStops);
    QWidget* target = editor(stop / TabStops, TabOrder[stop % TabStops]);
    if (target == nullptr)
        return false;
    EnterBox(target, next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void PageWindow::scrollContentsBy(int dx, int dy) {
    QScrollArea::scrollContentsBy(dx, dy);
    canvas_->viewChanged();
}

void PageWindow::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    canvas_->viewChanged();
}

void PageWindow::scrollHome() {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

} // namespace targello
