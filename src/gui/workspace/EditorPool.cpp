#include "gui/workspace/EditorPool.h"

#include "core/workspace/ShopPage.h"
#include "gui/workspace/ItemEditors.h"
#include "gui/workspace/PageCanvas.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QTimerEvent>
#include <QWidget>

namespace targello {

namespace {

EditorPool::Clock steadyClock() {
    auto start = std::make_shared<QElapsedTimer>();
    start->start();
    return [start] { return start->elapsed(); };
}

} // namespace

EditorPool::EditorPool(PageCanvas& canvas) : QObject(&canvas), canvas_(canvas), clock_(steadyClock()) {}

EditorPool::~EditorPool() = default;

void EditorPool::setClock(Clock clock) {
    clock_ = std::move(clock);
    if (activeSince_ >= 0)
        activeSince_ = clock_();
}

qint64 EditorPool::activeFor() const {
    return activeSince_ < 0 ? SettleMs : clock_() - activeSince_;
}

void EditorPool::setActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    activeSince_ = active ? clock_() : -1;
    schedule();
}

bool EditorPool::settled() const {
    return active_ && activeFor() >= SettleMs;
}

void EditorPool::restoreFocus(bool whenSettled) {
    focusWanted_ = false;
    const ShopPage& page = canvas_.page();
    if (page.ItemCount() == 0)
        return;
    if (whenSettled && !settled()) {
        focusWanted_ = true;
        schedule();
        return;
    }
    ItemFieldRef target;
    if (lastFocus_ && lastFocus_->item < page.ItemCount())
        target = *lastFocus_;
    // Typing into a box out of view would go unseen: it comes into view.
    // A box a command chose is entered as by Tab, its text selected, so that
    // typing replaces "Produkt 13"; one the user left gets its caret back.
    const Qt::FocusReason reason = entered_ ? Qt::TabFocusReason : Qt::OtherFocusReason;
    entered_ = false;
    if (QWidget* box = canvas_.revealEditor(target.item, target.field))
        EnterBox(box, reason);
}

void EditorPool::focusItem(ItemFieldRef target) {
    lastFocus_ = target;
    focusWanted_ = true;
    entered_ = true;
    schedule();
}

void EditorPool::schedule() {
    if (active_ && activeFor() < SettleMs) {
        if (!settle_.isActive())
            settle_.start(static_cast<int>(SettleMs - activeFor()), this);
        return;
    }
    if (queued_)
        return;
    queued_ = true;
    QMetaObject::invokeMethod(this, &EditorPool::flush, Qt::QueuedConnection);
}

void EditorPool::timerEvent(QTimerEvent* event) {
    if (event->timerId() == trim_.timerId()) {
        trim_.stop();
        if (!active_)
            std::erase_if(editors_, [](const auto& editors) { return editors->item() < 0; });
        return;
    }
    if (event->timerId() != settle_.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    settle_.stop();
    flush();
}

void EditorPool::flush() {
    queued_ = false;
    canvas_.fitContents();
    sync();
    // The page window kept the focus while the page settled (it cancels
    // the wish when it loses the focus).
    if (focusWanted_ && settled())
        restoreFocus(false);
}

void EditorPool::sync() {
    if (active_ && !settled()) {
        schedule(); // the settling timer comes back here
        return;
    }
    const int count = canvas_.page().ItemCount();
    const QRect view = active_ ? canvas_.viewRect() : QRect();
    std::vector<bool> inView(static_cast<std::size_t>(count), false);
    for (int k = 0; k < count; ++k)
        inView[static_cast<std::size_t>(k)] = view.intersects(canvas_.cellRect(k));
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
    for (int k = 0; k < count; ++k)
        if (inView[static_cast<std::size_t>(k)])
            acquire(k);
}

void EditorPool::itemsChanged(int itemCount) {
    for (auto& editors : editors_) {
        if (editors->item() >= itemCount)
            editors->release();
        else if (editors->item() >= 0)
            bind(*editors, editors->item());
    }
}

void EditorPool::itemChanged(int k) {
    if (ItemEditors* editors = editorsOf(k))
        bind(*editors, k);
}

ItemEditors* EditorPool::editorsOf(int k) const {
    for (const auto& editors : editors_)
        if (editors->item() == k)
            return editors.get();
    return nullptr;
}

ItemEditors* EditorPool::acquire(int k) {
    if (ItemEditors* bound = editorsOf(k))
        return bound;
    ItemEditors* free = nullptr;
    for (const auto& editors : editors_)
        if (editors->item() < 0)
            free = editors.get();
    if (free == nullptr) {
        editors_.push_back(std::make_unique<ItemEditors>(&canvas_, canvas_));
        free = editors_.back().get();
        free->watchFocus(this);
    }
    bind(*free, k);
    return free;
}

void EditorPool::bind(ItemEditors& editors, int k) {
    editors.bind(k, canvas_.page().Item(k), canvas_.pictureOf(k), canvas_.layout(),
                 canvas_.cellRect(k).topLeft());
}

QWidget* EditorPool::liveEditor(int k, ItemField field) {
    if (k < 0 || k >= canvas_.page().ItemCount())
        return nullptr;
    canvas_.fitContents();
    ItemEditors* editors = acquire(k);
    if (field == ItemField::Description && editors->widget(field) == nullptr)
        return editors->addDescription(canvas_.page().Item(k), canvas_.fieldRect(k, field));
    return editors->widget(field);
}

QWidget* EditorPool::existingEditor(int k, ItemField field) const {
    const ItemEditors* editors = editorsOf(k);
    return editors != nullptr ? editors->widget(field) : nullptr;
}

std::optional<ItemFieldRef> EditorPool::editorPosition(const QWidget* widget) const {
    for (const auto& editors : editors_) {
        if (editors->item() < 0)
            continue;
        if (auto field = editors->fieldOf(widget))
            return ItemFieldRef{editors->item(), *field};
    }
    return std::nullopt;
}

bool EditorPool::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (const auto position = editorPosition(qobject_cast<QWidget*>(watched)))
            lastFocus_ = position;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace targello
