#include "launcher/profile.h"

#include <cstddef>
#include <vector>

namespace korvex {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(kBlanks);
  return s.substr(first, last - first + 1);
}

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// One line of the text: `content` without its line ending, `end` the offset just past the ending.
struct Line {
  std::size_t begin;
  std::string_view content;
  std::size_t end;
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const auto newline = text.find('\n', pos);
    const std::size_t stop = newline == std::string_view::npos ? text.size() : newline;
    std::string_view content = text.substr(pos, stop - pos);
    if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
    const std::size_t end = newline == std::string_view::npos ? text.size() : newline + 1;
    lines.push_back({pos, content, end});
    pos = end;
  }
  return lines;
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view content) {
  const std::string_view t = Trim(content);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  const auto close = t.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

bool IsComment(std::string_view content) {
  const std::string_view t = Trim(content);
  return !t.empty() && t.front() == ';';
}

// Splits a "key=value" line; nothing for a line without "=" or a comment.
std::optional<std::pair<std::string_view, std::string_view>> KeyAndValue(std::string_view content) {
  if (IsComment(content)) return std::nullopt;
  const auto eq = content.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return std::pair{Trim(content.substr(0, eq)), Trim(content.substr(eq + 1))};
}

// Index range [first, last) of the lines of the first section named `section`, where `first` is
// the header line; nothing when there is no such section.
std::optional<std::pair<std::size_t, std::size_t>> FindSection(const std::vector<Line>& lines,
                                                               std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i].content);
    if (!name || !EqualsIgnoringCase(*name, section)) continue;
    std::size_t j = i + 1;
    while (j < lines.size() && !SectionName(lines[j].content)) ++j;
    return std::pair{i, j};
  }
  return std::nullopt;
}

std::string LowerAscii(std::string_view s) {
  std::string lower(s);
  for (char& c : lower) c = LowerAscii(c);
  return lower;
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

bool NeedsQuotes(std::string_view value) {
  if (value.empty()) return false;
  const bool blank_edge = kBlanks.find(value.front()) != std::string_view::npos ||
                          kBlanks.find(value.back()) != std::string_view::npos;
  const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
  return blank_edge || quoted;
}

// Ends the text's last line when it is open; a lone CR there is completed to CR LF rather than
// followed by another ending, which would leave the CR inside the line.
void EndLastLine(std::string& out, std::string_view eol) {
  if (out.empty() || out.back() == '\n') return;
  if (out.back() == '\r') {
    out += '\n';
  } else {
    out += eol;
  }
}

}  // namespace

ProfileSection::ProfileSection(std::string_view text, std::string_view section) {
  const auto lines = SplitLines(text);
  const auto range = FindSection(lines, section);
  if (!range) return;
  for (std::size_t i = range->first + 1; i < range->second; ++i) {
    const auto kv = KeyAndValue(lines[i].content);
    if (!kv || kv->first.empty()) continue;
    m_values.emplace(LowerAscii(kv->first), std::string(Unquoted(kv->second)));
  }
}

std::optional<std::string> ProfileSection::Find(std::string_view key) const {
  if (key.empty()) return std::nullopt;
  const auto found = m_values.find(LowerAscii(key));
  if (found == m_values.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  return ProfileSection(text, section).Find(key);
}

bool IsStorableKey(std::string_view key) {
  if (key.empty() || Trim(key) != key) return false;
  if (key.front() == '[' || key.front() == ';') return false;
  return key.find_first_of("=\r\n") == std::string_view::npos;
}

bool IsStorableValue(std::string_view value) {
  return value.find_first_of("\r\n") == std::string_view::npos;
}

std::optional<std::string> SetProfileValue(std::string_view text, std::string_view section,
                                           std::string_view key, std::string_view value) {
  if (!IsStorableKey(key) || !IsStorableValue(value)) return std::nullopt;
  const std::string_view eol = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
  // Appended piece by piece: GCC 12 reports a false -Wrestrict for "literal" + std::string&&.
  std::string written;
  if (NeedsQuotes(value)) written += '"';
  written += value;
  if (NeedsQuotes(value)) written += '"';

  const auto lines = SplitLines(text);
  const auto range = FindSection(lines, section);
  std::string out;
  if (!range) {
    out = std::string(text);
    EndLastLine(out, eol);
    if (!out.empty()) out += eol;
    out += '[';
    out += section;
    out += ']';
    out += eol;
    out += std::string(key) + "=" + written + std::string(eol);
    return out;
  }

  for (std::size_t i = range->first + 1; i < range->second; ++i) {
    const auto kv = KeyAndValue(lines[i].content);
    if (!kv || !EqualsIgnoringCase(kv->first, key)) continue;
    // Keep the key as the file spells it and the line's own ending.
    const Line& line = lines[i];
    const std::size_t key_start = line.content.find_first_not_of(kBlanks);
    const std::string_view lead = line.content.substr(0, key_start);
    out.append(text.substr(0, line.begin));
    out.append(lead).append(kv->first).append("=").append(written);
    out.append(text.substr(line.begin + line.content.size()));
    return out;
  }

  // Insert after the last non-empty line of the section (the header at least).
  std::size_t after = range->first;
  for (std::size_t i = range->first + 1; i < range->second; ++i) {
    if (!Trim(lines[i].content).empty()) after = i;
  }
  const Line& anchor = lines[after];
  out.append(text.substr(0, anchor.end));
  EndLastLine(out, eol);
  out.append(key).append("=").append(written).append(eol);
  out.append(text.substr(anchor.end));
  return out;
}

}  // namespace korvex
