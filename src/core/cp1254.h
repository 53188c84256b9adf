// Windows-1254 (Turkish) text: what the data files hold, converted to and from
// UTF-8 only at the edges (screens, terminal, host file names).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zs::cp1254 {

// Unicode code point of one code-page byte. Total: the bytes Windows leaves
// undefined map to the C1 control of the same value, so every byte round-trips.
char32_t toCodePoint(unsigned char byte);

// The byte for a code point, or nothing when the code page cannot hold it.
std::optional<unsigned char> fromCodePoint(char32_t cp);

std::string toUtf8(std::string_view bytes);

// Nothing when any character cannot be held: text is refused, never stored as "?".
std::optional<std::string> fromUtf8(std::string_view utf8);

// Literal texts of the program, written in UTF-8 in the sources; they must be representable.
std::string lit(std::string_view utf8);

} // namespace zs::cp1254
