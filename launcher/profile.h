#pragma once
// The settings file's text: "[section]" lines and "key=value" lines, read and updated the way a
// private profile file is. Pure functions over the whole text, so the file layer only reads the
// file, calls one of them and (for an update) writes the result back atomically.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace korvex {

/// Returns the value of `key` in `section` (both matched without regard to ASCII case), with the
/// surrounding blanks and one pair of surrounding double quotes removed, or nothing when the
/// section or the key is missing. Lines whose first non-blank character is ";" are comments.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

/// The keys and values of one section, parsed once so that any number of look-ups cost no more
/// than reading the text. Answers exactly as FindProfileValue does on the same text.
class ProfileSection {
 public:
  ProfileSection() = default;
  ProfileSection(std::string_view text, std::string_view section);
  std::optional<std::string> Find(std::string_view key) const;

 private:
  // Keys in ASCII lower case; the first line of a key wins.
  std::unordered_map<std::string, std::string> m_values;
};

/// True when `key` can be stored as a key line and read back as the same key: not empty, no "="
/// and no line break, no surrounding blanks, and not looking like a section or comment line.
bool IsStorableKey(std::string_view key);

/// True when `value` fits on one line (no line break).
bool IsStorableValue(std::string_view value);

/// Returns `text` with `key` in `section` set to `value`: the first matching key line is replaced
/// in place; otherwise the line is added after the section's last non-empty line, and the section
/// is appended at the end when it is missing. Every other line is kept byte for byte, and new lines
/// use the text's own line ending (CR LF when it has any). A value with surrounding blanks, or one
/// that is itself quoted, is written in double quotes so that it reads back unchanged.
/// Returns nothing when the key or the value cannot be stored (see above).
std::optional<std::string> SetProfileValue(std::string_view text, std::string_view section,
                                           std::string_view key, std::string_view value);

}  // namespace korvex
