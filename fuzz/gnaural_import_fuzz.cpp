// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the importer of Gnaural schedules (XML).
#include "import_checks.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    vs::fuzz::checkImport(
        vs::session::importGnaural(std::string_view(reinterpret_cast<const char*>(bytes), size)));
    return 0;
}
