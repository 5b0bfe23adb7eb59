#pragma once

#include "core/settings/ShopSettings.h"

#include <QTableWidget>

namespace targello {

// The menu links: one row per link with its name and path, edited in place.
// It shows entries 1 to 29; the 30th is stored with the page but never shown,
// so the grid leaves it alone. Rows are numbered as users count them, from 1.
class LinkGrid : public QTableWidget {
    Q_OBJECT
public:
    enum Column { NameColumn = 0, PathColumn = 1 };

    // `titles` heads the two columns (empty texts for a grid without them).
    LinkGrid(const QStringList& titles, int nameWidth, int pathWidth, QWidget* parent = nullptr);

    // Shows entries 1 to 29 without emitting linkEdited.
    void showLinks(const std::array<MenuLink, ShopSettings::LinkCount>& links);
    // The row of the cell selected last, 1 to 29; 1 until a cell is selected.
    int selectedLinkRow() const { return selectedRow_; }
    // Puts `path` into the path cell of `row` (1 to 29) as if typed there.
    void setLinkPath(int row, const QString& path);
    QString cellText(int row, Column column) const;

signals:
    // The text of a cell changed: `row` is 1 to 29.
    void linkEdited(int row, int column, const QString& text);

private:
    void cellEdited(int tableRow, int column);

    int selectedRow_ = 1;
};

} // namespace targello
