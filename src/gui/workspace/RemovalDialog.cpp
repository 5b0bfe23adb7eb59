#include "gui/workspace/RemovalDialog.h"

#include "core/workspace/ShopWorkspace.h"
#include "gui/common/AppContext.h"
#include "gui/common/Artwork.h"
#include "gui/common/PageView.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace targello {

RemovalDialog::RemovalDialog(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("Kosz"));
    setWindowTitle(QStringLiteral("Kosz"));
    setFixedSize(266, 129);
    setModal(false);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto* label = new QLabel(QStringLiteral("zaznacz pozycje do usunięcia:"), this);
    label->move(32, 0);
    auto* picture = new QLabel(this);
    picture->setGeometry(0, 24, 26, 36);
    picture->setPixmap(QPixmap::fromImage(Artwork::glyph(Artwork::Glyph::RemoveItem))
                           .scaled(26, 36, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("CheckListBox1"));
    list_->setGeometry(32, 16, 212, 73);
    list_->setAccessibleName(QStringLiteral("Pozycje do usunięcia"));
    label->setBuddy(list_);

    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setObjectName(QStringLiteral("Anuluj"));
    cancel->setGeometry(32, 96, 75, 25);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setGeometry(168, 96, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &RemovalDialog::removeItems);
}

void RemovalDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        fillList();
    else
        list_->clear();
}

void RemovalDialog::fillList() {
    list_->clear();
    const ShopPage* page = app_.workspace().Current();
    listedPage_ = page != nullptr ? page->Serial() : 0;
    if (page == nullptr)
        return;
    for (int k = 0; k < page->ItemCount(); ++k) {
        auto* line = new QListWidgetItem(QString::number(k + 1) + QStringLiteral("- ") +
                                         QString::fromStdString(page->Item(k).Name));
        line->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        line->setCheckState(Qt::Unchecked);
        list_->addItem(line);
    }
}

void RemovalDialog::removeItems() {
    ShopPage* page = app_.workspace().Current();
    // The lines stand for the items of the page they were read from; if that
    // page has closed or another came to the front, they mean nothing here.
    if (page == nullptr || page->Serial() != listedPage_ || page->ItemCount() != list_->count()) {
        hide();
        return;
    }
    std::vector<bool> remove(static_cast<std::size_t>(page->ItemCount()), false);
    for (int k = 0; k < list_->count(); ++k)
        remove[static_cast<std::size_t>(k)] = list_->item(k)->checkState() == Qt::Checked;
    const int focus = ItemAfterRemoval(remove);
    page->RemoveItems(remove);
    list_->clear();
    hide();
    emit itemsRemoved();
    // The user goes on where the removed items were, in the page's window.
    PageView* view = app_.currentPageWindow();
    if (view == nullptr || focus < 0)
        return;
    app_.window()->activateWindow();
    view->focusItem(focus);
}

int RemovalDialog::ItemAfterRemoval(const std::vector<bool>& remove) {
    int kept = 0;
    int lastRemoved = -1;
    for (std::size_t k = 0; k < remove.size(); ++k) {
        if (remove[k])
            lastRemoved = static_cast<int>(k);
        else
            ++kept;
    }
    if (lastRemoved < 0 || kept == 0)
        return -1;
    // The first kept item after the last removed one, or else the new last item.
    int before = 0;
    for (int k = 0; k < lastRemoved; ++k)
        before += remove[static_cast<std::size_t>(k)] ? 0 : 1;
    return std::min(before, kept - 1);
}

} // namespace targello
