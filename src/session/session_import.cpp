// SPDX-License-Identifier: GPL-3.0-or-later
#include "session_import.h"

#include "base/interface_language.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace vs::session {
namespace {

// Far above any real schedule; keeps a wrong file from filling the memory.
constexpr std::streamoff kLargestFile = 16 << 20;

std::string extension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c); });
    return ext;
}

} // namespace

std::string ImportRejection::message() const {
    if (line > 0)
        return translate("SessionImport", "Línea ") + std::to_string(line) + ": " + reason;
    std::string text = reason;
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
    return text;
}

bool isImportable(const std::string& path) {
    const std::string ext = extension(path);
    return ext == "sbg" || ext == "gnaural";
}

ImportResult importSession(const std::string& path, const ImportScale& scale) {
    if (!isImportable(path))
        return ImportRejection{
            0, translate("SessionImport", "solo se importan sesiones .sbg y .gnaural")};
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return ImportRejection{0, translate("SessionImport", "no se puede leer el fichero")};
    const std::streamoff size = in.tellg();
    if (size > kLargestFile)
        return ImportRejection{0, translate("SessionImport", "el fichero es demasiado grande")};
    in.seekg(0);
    std::string text(static_cast<std::size_t>(std::max<std::streamoff>(size, 0)), '\0');
    if (!in.read(text.data(), static_cast<std::streamsize>(text.size())))
        return ImportRejection{0, translate("SessionImport", "no se puede leer el fichero")};
    return extension(path) == "sbg" ? importSbg(text, scale) : importGnaural(text, scale);
}

} // namespace vs::session
