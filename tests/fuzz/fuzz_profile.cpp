// Fuzz target: the launcher's settings file. The input is a key, a value and a settings text,
// separated by zero bytes (missing parts are empty); its first byte picks the section. The text is
// parsed, one key is updated, the result re-parsed:
// - a key or value that cannot be stored is refused and nothing is produced;
// - otherwise the updated key reads back as the new value, and every other key (any name that
//   appears left of a "=" in the text, under any section of the text) reads back as before;
// - updating again with the same value changes nothing;
// - the same holds through the file layer (read file, update, atomic replace, read again).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "launcher/profile.h"
#include "launcher/system.h"
#include "scratch_files.h"

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// The sections and keys the text could hold, as names a reader might ask for: the names in
// "[...]" lines and the trimmed texts left of a "=". Over-approximating is harmless: a name that is
// no key reads as missing before and after.
struct Candidates {
  std::set<std::string> sections;
  std::set<std::string> keys;
};

Candidates CandidateKeys(std::string_view text, std::string_view extra_section) {
  Candidates found{{std::string(extra_section), "QxLaunch", ""}, {}};
  std::size_t pos = 0;
  while (pos < text.size() && found.keys.size() < 48 && found.sections.size() < 16) {
    auto end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view t = Trim(line);
    if (t.size() >= 2 && t.front() == '[') {
      const auto close = t.find(']');
      if (close != std::string_view::npos) found.sections.emplace(Trim(t.substr(1, close - 1)));
    }
    const auto eq = line.find('=');
    if (eq != std::string_view::npos) found.keys.emplace(Trim(line.substr(0, eq)));
    pos = end + 1;
  }
  return found;
}

void CheckFileLayer(std::string_view text, std::string_view section, std::string_view key,
                    std::string_view value, const std::optional<std::string>& expected) {
  const std::filesystem::path& folder = vorelim::fuzz::ScratchFolder("korvex-fuzz");
  const std::string path = (folder / "korvex.INI").string();
  vorelim::fuzz::WriteWholeFile(path, text);
  const bool written = korvex::WriteSettingsValue(path, section, key, value);
  FUZZ_CHECK(written == expected.has_value());
  const std::optional<std::string> now = korvex::ReadWholeFile(path);
  FUZZ_CHECK(now.has_value());
  FUZZ_CHECK(*now == (expected ? *expected : std::string(text)));
  if (expected) FUZZ_CHECK(korvex::ReadSettingsValue(path, section, key) == value);
  // Nothing but the settings file is left in its folder.
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    (void)entry;
    ++files;
  }
  FUZZ_CHECK(files == 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static constexpr std::string_view kSections[] = {"QxLaunch", "qxlaunch", "Other", ""};
  const std::string_view section = kSections[data[0] % 4];
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto next = [&rest]() {
    const auto zero = rest.find('\0');
    std::string_view part = rest.substr(0, zero);
    rest = zero == std::string_view::npos ? std::string_view() : rest.substr(zero + 1);
    return part;
  };
  const std::string_view key = next();
  const std::string_view value = next();
  const std::string_view text = rest;

  const std::optional<std::string> updated = korvex::SetProfileValue(text, section, key, value);
  const bool storable = korvex::IsStorableKey(key) && korvex::IsStorableValue(value);
  FUZZ_CHECK(updated.has_value() == storable);
  if (updated) {
    FUZZ_CHECK(korvex::FindProfileValue(*updated, section, key) == std::string(value));
    // Each section is parsed once before and once after the update, then asked for every key.
    const Candidates candidates = CandidateKeys(text, section);
    for (const auto& s : candidates.sections) {
      const korvex::ProfileSection before(text, s);
      const korvex::ProfileSection after(*updated, s);
      for (const auto& k : candidates.keys) {
        if (Lower(s) == Lower(section) && Lower(k) == Lower(key)) continue;
        FUZZ_CHECK(before.Find(k) == after.Find(k));
      }
    }
    FUZZ_CHECK(korvex::SetProfileValue(*updated, section, key, value) == updated);
  }
  CheckFileLayer(text, section, key, value, updated);
  return 0;
}
