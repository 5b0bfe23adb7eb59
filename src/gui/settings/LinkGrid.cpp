#include "gui/settings/LinkGrid.h"

#include <QHeaderView>
#include <QSignalBlocker>

namespace targello {

namespace {

constexpr int RowHeight = 18;

} // namespace

LinkGrid::LinkGrid(const QStringList& titles, int nameWidth, int pathWidth, QWidget* parent)
    : QTableWidget(ShopSettings::ShownLinkCount, 2, parent) {
    setHorizontalHeaderLabels(titles);
    QStringList numbers;
    for (int row = 1; row <= ShopSettings::ShownLinkCount; ++row)
        numbers.append(QString::number(row));
    setVerticalHeaderLabels(numbers);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setMinimumSectionSize(RowHeight);
    setColumnWidth(NameColumn, nameWidth);
    horizontalHeader()->setStretchLastSection(true);
    setMinimumWidth(nameWidth + pathWidth + 4);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < 2; ++column)
            setItem(row, column, new QTableWidgetItem());
    connect(this, &QTableWidget::cellChanged, this, &LinkGrid::cellEdited);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0)
            selectedRow_ = row + 1;
    });
}

void LinkGrid::showLinks(const std::array<MenuLink, ShopSettings::LinkCount>& links) {
    const QSignalBlocker blocker(this);
    for (int row = 1; row <= ShopSettings::ShownLinkCount; ++row) {
        const MenuLink& link = links[static_cast<std::size_t>(row - 1)];
        item(row - 1, NameColumn)->setText(QString::fromStdString(link.Name));
        item(row - 1, PathColumn)->setText(QString::fromStdString(link.Path));
    }
    viewport()->update();
}

void LinkGrid::setLinkPath(int row, const QString& path) {
    if (row >= 1 && row <= ShopSettings::ShownLinkCount)
        item(row - 1, PathColumn)->setText(path);
}

QString LinkGrid::cellText(int row, Column column) const {
    if (row < 1 || row > ShopSettings::ShownLinkCount)
        return {};
    return item(row - 1, column)->text();
}

void LinkGrid::cellEdited(int tableRow, int column) {
    emit linkEdited(tableRow + 1, column, item(tableRow, column)->text());
}

} // namespace targello
