// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Edición" menu: undo and redo of the open session's edits, each entry
// naming the step it would take and disabled when there is none. After a
// step is undone or redone the whole graph group shows the model again.
#include <QString>

#include <functional>

class QAction;

namespace vs::session {
class EditHistory;
class GraphFrame;
} // namespace vs::session

namespace vs::shell {

class EditMenu {
public:
    // `afterChange` runs whenever the history changed (the window's title
    // follows the modified flag through it).
    EditMenu(session::EditHistory& history, QAction& undo, QAction& redo,
             session::GraphFrame& graph, std::function<void()> afterChange);
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
    std::function<void()> afterChange_;
};

} // namespace vs::shell
