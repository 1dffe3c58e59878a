// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows-1252, the 8-bit code page the list files are kept in on disk. In
// memory every string is UTF-8; these convert at the file's edge.
#include <optional>
#include <string>
#include <string_view>

namespace vs::library {

// Every byte has a meaning, so this never fails. The five bytes the code page
// leaves undefined (0x81 0x8D 0x8F 0x90 0x9D) become the C1 controls of the
// same number, which makes the conversion reversible.
std::string cp1252ToUtf8(std::string_view bytes);

// Nothing when the text holds a character the code page cannot represent or
// is not valid UTF-8 (overlong forms, surrogates, truncated sequences).
std::optional<std::string> utf8ToCp1252(std::string_view text);

// The character a single byte stands for.
char32_t cp1252Char(unsigned char byte);

} // namespace vs::library
