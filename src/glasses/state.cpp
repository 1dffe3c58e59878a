#include "state.h"

namespace vs::glasses {

EstadoGafas& estadoGafas() {
    static EstadoGafas state;
    return state;
}

} // namespace vs::glasses
