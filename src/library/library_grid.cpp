// SPDX-License-Identifier: GPL-3.0-or-later
#include "library_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace vs::library {

LibraryGrid::LibraryGrid(const char* objectName, const QString& title, QWidget* parent)
    : QTableWidget(0, 3, parent) {
    setObjectName(objectName);
    setHorizontalHeaderLabels({QStringLiteral("Path"), title, tr("Duración")});
    setColumnHidden(0, true);
    horizontalHeaderItem(1)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeaderItem(2)->setTextAlignment(Qt::AlignCenter);
    verticalHeader()->setVisible(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setStretchLastSection(false);
}

void LibraryGrid::showRows(int n, const std::function<std::array<QString, 3>(int row)>& cellsOf,
                           int highlighted, int current) {
    setRowCount(n);
    const QPalette pal = palette();
    for (int r = 1; r <= n; ++r) {
        const std::array<QString, 3> cells = cellsOf(r);
        const bool lit = r == highlighted;
        for (int c = 0; c < 3; ++c) {
            QTableWidgetItem* it = item(r - 1, c);
            if (!it) {
                it = new QTableWidgetItem;
                setItem(r - 1, c, it);
            }
            it->setText(cells[std::size_t(c)]);
            it->setTextAlignment(c == 2 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            it->setBackground(lit ? pal.brush(QPalette::Highlight) : pal.brush(QPalette::Base));
            it->setForeground(lit ? pal.brush(QPalette::HighlightedText)
                                  : pal.brush(QPalette::Text));
        }
    }
    if (current >= 1 && current <= n) {
        setCurrentCell(current - 1, 1);
        scrollToItem(item(current - 1, 1));
    }
}

void LibraryGrid::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event); // moves to the pressed row first
    const int r = rowAt(event->position().toPoint().y());
    if (r >= 0) pressed(r + 1);
}

void LibraryGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton && popup_ && isEnabled())
        popup_->popup(event->globalPosition().toPoint());
}

void LibraryGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (currentRow() >= 0) pressed(currentRow() + 1);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

} // namespace vs::library
