#pragma once
// The Windows-1252 codec of the files exchanged with the authority. The five
// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to
// the control characters of the same number, as Windows does, so every byte
// round-trips.
#include <string>
#include <string_view>

namespace rt {

// Raises 5 when a character has no Windows-1252 byte or the text is not valid
// UTF-8; nothing is ever dropped or replaced.
std::string ToCp1252(std::string_view utf8);

std::string FromCp1252(std::string_view bytes);

// True when ToCp1252 would succeed.
bool CanEncodeCp1252(std::string_view utf8);

}  // namespace rt
