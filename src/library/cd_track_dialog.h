// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Añadir pista de CD...": the tracks of the discs in the drives in a list,
// several may be chosen. A modal dialog; tests use a scripted chooser instead.
#include "music_library.h"

class QWidget;

namespace vs::library {

class DialogCdTrackChooser : public CdTrackChooser {
public:
    explicit DialogCdTrackChooser(QWidget* owner) : owner_(owner) {}
    std::vector<std::string> choose(const std::vector<CdTrackChoice>& tracks) override;

private:
    QWidget* owner_;
};

} // namespace vs::library
