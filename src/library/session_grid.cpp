#include "session_grid.h"

#include "session_library.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace vs::library {

SessionGrid::SessionGrid(QWidget* parent) : QTableWidget(0, 3, parent) {
    setObjectName("FlexSesion");
    setHorizontalHeaderLabels(
        {QStringLiteral("Path"), QStringLiteral("Sesión"), QStringLiteral("Duración")});
    setColumnHidden(0, true);
    horizontalHeaderItem(1)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeaderItem(2)->setTextAlignment(Qt::AlignCenter);
    verticalHeader()->setVisible(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setStretchLastSection(false);
}

void SessionGrid::setLibrary(SessionLibrary* library) {
    library_ = library;
    sync();
}

void SessionGrid::sync() {
    if (!library_) return;
    syncing_ = true;
    const int n = library_->rowCount();
    setRowCount(n);
    const QPalette pal = palette();
    for (int r = 1; r <= n; ++r) {
        const SessionRow& row = library_->row(r);
        const QString cells[3] = {QString::fromStdString(row.path),
                                  QString::fromStdString(row.name),
                                  QString::fromStdString(row.duration)};
        // The open session keeps the selection colours even when the focus
        // or the selection moves elsewhere.
        const bool lit = r == library_->highlightedRow();
        for (int c = 0; c < 3; ++c) {
            QTableWidgetItem* it = item(r - 1, c);
            if (!it) {
                it = new QTableWidgetItem;
                setItem(r - 1, c, it);
            }
            it->setText(cells[c]);
            it->setTextAlignment(c == 2 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            it->setBackground(lit ? pal.brush(QPalette::Highlight) : pal.brush(QPalette::Base));
            it->setForeground(lit ? pal.brush(QPalette::HighlightedText)
                                  : pal.brush(QPalette::Text));
        }
    }
    const int current = library_->currentRow() - 1;
    if (current >= 0 && current < n) {
        setCurrentCell(current, 1);
        scrollToItem(item(current, 1));
    }
    syncing_ = false;
}

void SessionGrid::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event); // moves to the pressed row first
    if (!library_) return;
    const int r = rowAt(event->position().toPoint().y());
    if (r >= 0) library_->pulsar(r + 1);
}

void SessionGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton && popup_ && isEnabled())
        popup_->popup(event->globalPosition().toPoint());
}

void SessionGrid::keyPressEvent(QKeyEvent* event) {
    if (library_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (currentRow() >= 0) library_->pulsar(currentRow() + 1);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

} // namespace vs::library
