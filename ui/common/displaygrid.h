#pragma once

#include <QAbstractItemView>
#include <QHeaderView>
#include <QTableWidget>

namespace lunaplan {

// A grid that only shows figures: its headings are cells of its own (row 0,
// column 0), nothing can be edited, selected or focused, and it never scrolls
// (its windows size it to show every cell).
inline void makeDisplayGrid(QTableWidget* grid)
{
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

} // namespace lunaplan
