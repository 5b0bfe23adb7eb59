#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

class QListWidget;

namespace targello {

class AppContext;

// "Kosz": lists the current page's items with check boxes and removes the
// checked ones on OK. It is filled whenever it becomes active and emptied
// whenever it stops being active, so it always shows the page in front.
class RemovalDialog : public QDialog {
    Q_OBJECT
public:
    RemovalDialog(AppContext& app, QWidget* parent);

    QListWidget& list() { return *list_; }
    // Fills the list from the current page (what activation does).
    void fillList();
    // The OK button: removes the checked items and lays the page out again.
    void removeItems();
    // Where the focus goes after the items marked in `remove` are removed:
    // the item that followed the last removed one (counted in the page that
    // is left), the last item when none followed, or -1 when nothing was
    // removed or nothing is left.
    static int ItemAfterRemoval(const std::vector<bool>& remove);

signals:
    // Items of the current page are gone; its layout and the options that
    // show it are out of date.
    void itemsRemoved();

protected:
    void changeEvent(QEvent* event) override;

private:
    AppContext& app_;
    QListWidget* list_;
    std::uint64_t listedPage_ = 0; // the page the list was filled from
};

} // namespace targello
