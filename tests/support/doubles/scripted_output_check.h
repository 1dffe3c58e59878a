// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound-server double: answers what the test set (or nothing, as where no
// server runs) and counts the questions, so the warning at Play can be tested
// without a sound server.
#include "audio/sound_server.h"

#include <optional>

namespace vs::audio {

class ScriptedOutputCheck : public OutputCheck {
public:
    ScriptedOutputCheck() = default;
    explicit ScriptedOutputCheck(std::optional<OutputFacts> a) : answer(std::move(a)) {}

    std::optional<OutputFacts> answer; // empty: no server answered
    int asked = 0;

    std::optional<OutputFacts> ask() override {
        ++asked;
        return answer;
    }
};

} // namespace vs::audio
