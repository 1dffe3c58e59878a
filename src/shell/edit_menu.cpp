// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit_menu.h"

#include "session/edit_history.h"
#include "session/graph_frame.h"

#include <QAction>
#include <QCoreApplication>

namespace vs::shell {

namespace {

// Steps are named in Spanish, marked QT_TRANSLATE_NOOP("EditStep", ...)
// where they are made, and shown in the interface's language.
QString captionFor(const QString& caption, const std::string& step) {
    return step.empty() ? caption
                        : caption + ' ' + QCoreApplication::translate("EditStep", step.c_str());
}

} // namespace

EditMenu::EditMenu(session::EditHistory& history, QAction& undo, QAction& redo,
                   session::GraphFrame& graph)
    : history_(history), undo_(undo), redo_(redo), undoCaption_(undo.text()),
      redoCaption_(redo.text()) {
    history_.onRestored = [&graph] { graph.refresh(); };
    history_.onChanged = [this] { update(); };
    QObject::connect(&undo_, &QAction::triggered, &undo_, [this] { history_.undo(); });
    QObject::connect(&redo_, &QAction::triggered, &redo_, [this] { history_.redo(); });
    graph.setEditHistory(&history_);
    update();
}

EditMenu::~EditMenu() {
    history_.onRestored = nullptr;
    history_.onChanged = nullptr;
}

void EditMenu::update() {
    undo_.setText(captionFor(undoCaption_, history_.undoName()));
    redo_.setText(captionFor(redoCaption_, history_.redoName()));
    undo_.setEnabled(history_.canUndo());
    redo_.setEnabled(history_.canRedo());
}

} // namespace vs::shell
