// SPDX-License-Identifier: GPL-3.0-or-later
#include "glasses_keys.h"

namespace vs::glasses::pref {

std::string colorLedLitKey(int led) {
    return "ColorLedLit" + std::to_string(led);
}
std::string colorLedUnLitKey(int led) {
    return "ColorLedUnLit" + std::to_string(led);
}
std::string colorLedUnlitWriteKey(int led) {
    return "ColorLedUnlit" + std::to_string(led);
}
unsigned startupLitColour(int led) {
    return led % 2 ? 65535u : 65280u;
}
unsigned startupUnLitColour(int led) {
    return led % 2 ? 32896u : 32768u;
}

} // namespace vs::glasses::pref
