#pragma once

#include "gui/workspace/ItemField.h"

#include <QBasicTimer>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace targello {

class ItemEditors;
class PageCanvas;

// The live controls of one page: a set of them for each item in view, bound
// to other items as the view moves. Only the page the user works in keeps
// them, and only once it has stayed active for a moment: a page passed over
// while pages are opened or switched in a row never pays for them. Whatever
// the user does before then reaches the painted items and makes the control
// needed.
class EditorPool : public QObject {
    Q_OBJECT

public:
    // Milliseconds from any fixed start; tests give a clock they move on.
    using Clock = std::function<qint64()>;
    // How long a page must stay active before its items in view get live controls.
    static constexpr int SettleMs = 150;
    // How long an inactive page keeps the controls it no longer shows.
    static constexpr int TrimMs = 5000;

    explicit EditorPool(PageCanvas& canvas);
    ~EditorPool() override;

    void setClock(Clock clock);

    void setActive(bool active);
    // True once the page has live controls for its items in view.
    bool settled() const;

    // Gives the focus to the box that had it last (or the first item's name)
    // now, or once the page has settled if `whenSettled`.
    void restoreFocus(bool whenSettled);
    // The page window lost the focus before the page settled: leave it be.
    void cancelFocusRestore() { focusWanted_ = false; }
    // `target` takes the focus, scrolled into view, when the event loop comes
    // back (or the page settles): a command's last wish wins.
    void focusItem(ItemFieldRef target);

    // Asks for the controls to follow the view once the event loop comes back.
    void schedule();
    // Does now what schedule() asked for.
    void flush();

    // The items changed as a whole: every set shows its item anew, or goes
    // free when its item is gone.
    void itemsChanged(int itemCount);
    // Item k changed in the model; its set, if any, shows it anew.
    void itemChanged(int k);

    // The set that shows item k, or nullptr.
    ItemEditors* editorsOf(int k) const;
    // The live control of item k, created when the item has none yet.
    QWidget* liveEditor(int k, ItemField field);
    QWidget* existingEditor(int k, ItemField field) const;
    std::optional<ItemFieldRef> editorPosition(const QWidget* widget) const;

protected:
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    qint64 activeFor() const;
    void sync();
    ItemEditors* acquire(int k);
    void bind(ItemEditors& editors, int k);

    PageCanvas& canvas_;
    Clock clock_;
    std::vector<std::unique_ptr<ItemEditors>> editors_;
    std::optional<ItemFieldRef> lastFocus_;
    bool focusWanted_ = false;
    bool entered_ = false; // the focus wished for is entered as by Tab
    bool active_ = true;
    qint64 activeSince_ = -1; // by clock_, or -1 when the page has not just become active
    QBasicTimer settle_;
    QBasicTimer trim_;
    bool queued_ = false;
};

} // namespace targello
