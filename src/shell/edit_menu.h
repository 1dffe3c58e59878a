// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Edición" menu: undo and redo of the open session's edits, each entry
// naming the step it would take and disabled when there is none. After a
// step is undone or redone the whole graph group shows the model again.
#include <QString>

class QAction;

namespace vs::session {
class EditHistory;
class GraphFrame;
} // namespace vs::session

namespace vs::shell {

class EditMenu {
public:
    EditMenu(session::EditHistory& history, QAction& undo, QAction& redo,
             session::GraphFrame& graph);
    ~EditMenu();
    EditMenu(const EditMenu&) = delete;
    EditMenu& operator=(const EditMenu&) = delete;

private:
    void update();

    session::EditHistory& history_;
    QAction& undo_;
    QAction& redo_;
    QString undoCaption_;
    QString redoCaption_;
};

} // namespace vs::shell
