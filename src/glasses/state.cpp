// SPDX-License-Identifier: GPL-3.0-or-later
#include "state.h"

namespace vs::glasses {

EstadoGafas& estadoGafas() {
    static EstadoGafas state;
    return state;
}

} // namespace vs::glasses
