#pragma once
// The one place where chart text crosses between Windows-1252 bytes (on disk) and UTF-8 (in
// memory).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorelim {

/// Decodes Windows-1252 bytes to UTF-8. The five code points the code page leaves undefined
/// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
std::string DecodeWindows1252(std::string_view bytes);

/// Encodes UTF-8 text to Windows-1252. Returns nothing when the text is not valid UTF-8 or holds a
/// character the code page cannot represent; the text is never silently changed.
std::optional<std::string> EncodeWindows1252(std::string_view utf8);

/// True when every character of the UTF-8 text has a Windows-1252 byte.
bool IsWindows1252Representable(std::string_view utf8);

/// The length in bytes of the UTF-8 sequence that starts `text`; 0 when `text` is empty or does not
/// start with a well-formed sequence.
std::size_t Utf8SequenceLength(std::string_view text);

}  // namespace vorelim
