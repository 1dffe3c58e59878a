// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit_history.h"

#include "session_document.h"

#include <QUndoCommand>

#include <utility>

namespace vs::session {

namespace {

// What an edit never changes and undo must not bring back: the flag follows
// the clean state, and the preference copies belong to the options store.
SessionState editable(const SessionState& s) {
    SessionState e = s;
    e.SesionModificada = false;
    e.FrecBinauralMaxPref = 0;
    e.FrecBaseMaxPref = 0;
    return e;
}

} // namespace

bool sameSession(const SessionState& a, const SessionState& b) {
    return editable(a) == editable(b);
}

class EditHistory::Step : public QUndoCommand {
public:
    Step(EditHistory& history, const SessionModel& before, const SessionModel& after,
         const std::string& name)
        : QUndoCommand(QString::fromStdString(name)), history_(history), before_(before),
          after_(after) {}

    void undo() override { history_.apply(before_); }
    void redo() override {
        // Pushed after the edit was made: the model already holds it.
        if (pushed_) history_.apply(after_);
        pushed_ = true;
    }
    bool changesLength() const { return before_.lengthSeconds() != after_.lengthSeconds(); }

private:
    EditHistory& history_;
    SessionModel before_;
    SessionModel after_;
    bool pushed_ = false;
};

EditHistory::EditHistory(SessionDocument& document)
    : document_(document), model_(document.model()) {
    document_.onReplaced = [this] { reset(); };
    document_.onSaved = [this] { saved(); };
    reset();
}

EditHistory::~EditHistory() {
    document_.onReplaced = nullptr;
    document_.onSaved = nullptr;
}

void EditHistory::begin(const std::string& name) {
    if (depth_++ > 0) return;
    before_ = model_;
    name_ = name;
    changed(); // nothing is undone mid-edit
}

void EditHistory::commit() {
    if (depth_ == 0 || --depth_ > 0) return;
    if (!sameSession(before_, model_)) stack_.push(new Step(*this, before_, model_, name_));
    changed();
}

const EditHistory::Step* EditHistory::step(int index) const {
    return static_cast<const Step*>(stack_.command(index));
}

bool EditHistory::allowed(const Step* s) const {
    return s && depth_ == 0 && !(lengthLocked_ && s->changesLength());
}

bool EditHistory::canUndo() const {
    return allowed(step(stack_.index() - 1));
}

bool EditHistory::canRedo() const {
    return allowed(step(stack_.index()));
}

void EditHistory::undo() {
    if (!canUndo()) return;
    stack_.undo();
    model_.SesionModificada = !stack_.isClean();
    changed();
}

void EditHistory::redo() {
    if (!canRedo()) return;
    stack_.redo();
    model_.SesionModificada = !stack_.isClean();
    changed();
}

std::string EditHistory::undoName() const {
    return canUndo() ? stack_.undoText().toStdString() : std::string();
}

std::string EditHistory::redoName() const {
    return canRedo() ? stack_.redoText().toStdString() : std::string();
}

void EditHistory::setLengthLocked(bool locked) {
    if (locked == lengthLocked_) return;
    lengthLocked_ = locked;
    changed();
}

void EditHistory::reset() {
    depth_ = 0;
    stack_.clear();
    // A session that comes in modified (a file that could not be read) has no
    // saved state to go back to.
    if (model_.SesionModificada) stack_.resetClean();
    changed();
}

void EditHistory::saved() {
    stack_.setClean();
}

void EditHistory::apply(const SessionModel& state) {
    SessionState& s = model_;
    const SessionState kept = s;
    s = state;
    s.SesionModificada = kept.SesionModificada;
    s.FrecBinauralMaxPref = kept.FrecBinauralMaxPref;
    s.FrecBaseMaxPref = kept.FrecBaseMaxPref;
    model_.notify();
    if (onRestored) onRestored();
}

void EditHistory::changed() {
    if (onChanged) onChanged();
}

} // namespace vs::session
