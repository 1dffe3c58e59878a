// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Undo and redo of the open session's edits, as many steps as were made since
// it was opened. A step holds the whole session before and after the edit
// (the model is small), so undoing puts back exactly what was there, hidden
// markers and cell tags included. Whoever edits the model says where an edit
// starts and ends; a drag starts at the press and ends at the release.
//
// Opening, creating or re-reading the session clears the history; the state
// last saved is the clean one, and undo and redo leave SesionModificada set
// exactly when the session differs from it.
//
// Thread rule: UI thread only.
#include "session_model.h"

#include <QUndoStack>

#include <functional>
#include <string>

namespace vs::session {

class SessionDocument;

class EditHistory {
public:
    // Follows `document`: its replacements clear the history, its saves mark
    // the clean state.
    explicit EditHistory(SessionDocument& document);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // An edit: begin() remembers the session as it is, commit() makes one step
    // named `name` ("añadir punto") of whatever changed since; no change, no
    // step. A begin() while an edit is open joins that edit.
    void begin(const std::string& name);
    void commit();
    bool editing() const { return depth_ > 0; }

    // Nothing is undone or redone in the middle of an edit, nor, while the
    // session length is locked (a session plays), a step that changes it.
    bool canUndo() const;
    bool canRedo() const;
    void undo();
    void redo();
    // Names of the steps undo and redo would take; "" when there is none.
    std::string undoName() const;
    std::string redoName() const;
    int steps() const { return stack_.count(); }
    void setLengthLocked(bool locked);

    // After undo or redo put a state into the model (it has notified its
    // listeners): what shows more than the curves refreshes here.
    std::function<void()> onRestored;
    // After anything that may change what undo and redo offer.
    std::function<void()> onChanged;

private:
    class Step;
    void reset();
    void saved();
    const Step* step(int index) const;
    bool allowed(const Step* s) const;
    void apply(const SessionModel& state);
    void changed();

    SessionDocument& document_;
    SessionModel& model_;
    QUndoStack stack_;
    SessionModel before_;
    std::string name_;
    int depth_ = 0;
    bool lengthLocked_ = false;
};

// One edit around a scope: begun when made, committed when it ends. Without a
// history it does nothing.
class EditStep {
public:
    EditStep(EditHistory* history, const std::string& name) : history_(history) {
        if (history_) history_->begin(name);
    }
    ~EditStep() {
        if (history_) history_->commit();
    }
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    EditHistory* history_;
};

// The same session as far as an edit can tell: everything but the modified
// flag and the preference copies of the ranges.
bool sameSession(const SessionState& a, const SessionState& b);

} // namespace vs::session
