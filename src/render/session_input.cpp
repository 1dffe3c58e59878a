// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/session_input.h"

#include "base/interface_language.h"

#include "render/render_options.h"
#include "session/random_source.h"
#include "session/session_file.h"
#include "session/session_import.h"

#include <fstream>
#include <istream>
#include <iterator>
#include <sstream>

namespace vs::render {
namespace {

// Far above any session or schedule; keeps a wrong stream from filling the memory.
constexpr std::size_t kLargestInput = 16 << 20;

const char* kStandardInputName = VS_TRANSLATE_NOOP("SessionInput", "la entrada estándar");

// Without writing anything back: the renderer leaves the session file alone.
bool parseInto(std::streambuf& in, session::SessionModel& model) {
    session::SessionData data;
    if (!session::parseSession(in, data, session::clockRandom())) return false;
    model.SesionNueva();
    session::applySession(data, model);
    return true;
}

std::variant<SessionInput, std::string> imported(session::ImportResult result,
                                                 const std::string& name) {
    if (const auto* no = std::get_if<session::ImportRejection>(&result))
        return no->line > 0 ? name + ":" + std::to_string(no->line) + ": " + no->reason
                            : name + ": " + no->reason;
    auto& yes = std::get<session::ImportedSession>(result);
    return SessionInput{std::move(yes.model), yes.maskLevel, std::move(yes.notes)};
}

std::variant<SessionInput, std::string> fromStandardInput(std::istream& in) {
    std::string text;
    char block[65536];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        text.append(block, std::size_t(in.gcount()));
        if (text.size() > kLargestInput)
            return translate("SessionInput", kStandardInputName) +
                   translate("SessionInput", ": demasiado grande para una sesión");
    }
    const std::size_t first = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (text.compare(0, std::char_traits<char>::length(session::kSessionHeader),
                     session::kSessionHeader) == 0) {
        SessionInput s;
        std::stringbuf buffer(text);
        if (!parseInto(buffer, s.model))
            return translate("SessionInput", "no se puede leer la sesión de ") +
                   translate("SessionInput", kStandardInputName);
        return s;
    }
    if (first != std::string::npos && text[first] == '<')
        return imported(session::importGnaural(text),
                        translate("SessionInput", kStandardInputName));
    return imported(session::importSbg(text), translate("SessionInput", kStandardInputName));
}

} // namespace

std::variant<SessionInput, std::string> readSessionInput(const std::string& path,
                                                         std::istream& in) {
    if (path == kStandardStream) return fromStandardInput(in);
    if (session::isImportable(path)) return imported(session::importSession(path), path);
    SessionInput s;
    std::filebuf file;
    if (!file.open(path, std::ios::in | std::ios::binary) || !parseInto(file, s.model))
        return translate("SessionInput", "no se puede leer la sesión ") + path;
    return s;
}

} // namespace vs::render
