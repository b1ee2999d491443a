// Fuzz target: the launcher's command-line processing against a fuzzed settings file. The input
// is a flag byte (platform), then the settings text, the command line and the folders the user
// types into "File Not Found", separated by zero bytes. The launcher runs against an in-memory
// platform that answers from those parts:
// - the command line is split into non-empty tokens without blanks, and joining and splitting
//   again gives the same tokens;
// - without tokens the notice shows and nothing starts;
// - otherwise the program starts exactly once with one argument per token, or (cancelled)
//   nothing starts;
// - the only writes go to the settings file's own path, section "QxLaunch", under a name the
//   command line referred to, with a folder the user confirmed;
// - with no "%" or "$" in the settings, no reference marker survives replacement.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "launcher/launcher.h"
#include "launcher/profile.h"

namespace {

constexpr std::string_view kExecutable = "/cd/bin/korvex";
constexpr std::string_view kSettingsPath = "/cd/bin/korvex.INI";

std::uint32_t Hash(std::string_view text) {
  std::uint32_t h = 2166136261u;
  for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

class FuzzPlatform : public korvex::Platform {
 public:
  FuzzPlatform(std::string settings, std::vector<std::string> answers, korvex::PlatformId id)
      : settings_(std::move(settings)), answers_(std::move(answers)), id_(id) {}

  std::string ReadSetting(const std::string& path, std::string_view section,
                          std::string_view key) override {
    FUZZ_CHECK(path == kSettingsPath);
    FUZZ_CHECK(section == korvex::kSettingsSection);
    read_keys_.emplace(key);
    return korvex::FindProfileValue(settings_, section, key).value_or(std::string());
  }
  void WriteSetting(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value) override {
    FUZZ_CHECK(path == kSettingsPath);
    FUZZ_CHECK(section == korvex::kSettingsSection);
    FUZZ_CHECK(read_keys_.count(std::string(key)) == 1);
    FUZZ_CHECK(confirmed_.count(std::string(value)) == 1);
    ++writes_;
    if (auto updated = korvex::SetProfileValue(settings_, section, key, value)) {
      settings_ = std::move(*updated);
    }
  }
  bool CanOpenForReading(const std::string& path) override { return Hash(path) % 3 == 0; }
  bool StartCommandLine(const std::vector<std::string>& tokens) override {
    started_.push_back(tokens);
    return true;
  }
  korvex::PlatformId GetPlatformId() override { return id_; }
  void ShowNotice() override { ++notices_; }
  std::optional<std::string> AskForFolder(const std::string& file_name,
                                          const std::string& folder) override {
    (void)file_name;
    (void)folder;
    if (asked_ == answers_.size()) return std::nullopt;
    std::string answer = answers_[asked_++];
    std::string stored = answer;
    if (stored.empty() || stored.back() != '/') stored += '/';
    confirmed_.insert(stored);
    return answer;
  }

  std::string settings_;
  std::vector<std::string> answers_;
  korvex::PlatformId id_;
  std::set<std::string> read_keys_;
  std::set<std::string> confirmed_;
  std::vector<std::vector<std::string>> started_;
  std::size_t asked_ = 0;
  int notices_ = 0;
  int writes_ = 0;
};

void CheckSplit(std::string_view line) {
  const std::vector<std::string> tokens = korvex::SplitCommandLine(line);
  for (const std::string& token : tokens) {
    FUZZ_CHECK(!token.empty());
    FUZZ_CHECK(token.find_first_of(" \t") == std::string::npos);
  }
  FUZZ_CHECK(korvex::SplitCommandLine(korvex::JoinCommandLine(tokens)) == tokens);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const korvex::PlatformId id =
      (data[0] & 1) != 0 ? korvex::PlatformId::kWindowsNt : korvex::PlatformId::kPosix;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto next = [&rest]() {
    const auto zero = rest.find('\0');
    std::string_view part = rest.substr(0, zero);
    rest = zero == std::string_view::npos ? std::string_view() : rest.substr(zero + 1);
    return std::string(part);
  };
  const std::string settings = next();
  const std::string line = next();
  std::vector<std::string> answers;
  while (!rest.empty() && answers.size() < 4) answers.push_back(next());

  CheckSplit(line);
  const std::vector<std::string> tokens = korvex::SplitCommandLine(line);

  // Reference replacement alone, token by token.
  if (settings.find_first_of("%$") == std::string::npos) {
    FuzzPlatform platform(settings, {}, id);
    korvex::RunState state{std::string(kSettingsPath), std::nullopt};
    for (const std::string& token : tokens) {
      FUZZ_CHECK(korvex::ReplaceReferences(token, state, platform).find_first_of("%$") ==
                 std::string::npos);
    }
  }

  FuzzPlatform platform(settings, answers, id);
  const int exit_code = korvex::RunLauncher({line}, kExecutable, platform);
  FUZZ_CHECK(exit_code == korvex::kExitStarted || exit_code == korvex::kExitCancelled);
  if (tokens.empty()) {
    FUZZ_CHECK(exit_code == korvex::kExitCancelled);
    FUZZ_CHECK(platform.notices_ == 1);
    FUZZ_CHECK(platform.started_.empty() && platform.writes_ == 0 && platform.asked_ == 0);
    return 0;
  }
  FUZZ_CHECK(platform.notices_ == 0);
  if (exit_code == korvex::kExitStarted) {
    FUZZ_CHECK(platform.started_.size() == 1);
    FUZZ_CHECK(platform.started_[0].size() == tokens.size());
  } else {
    FUZZ_CHECK(platform.started_.empty());
    FUZZ_CHECK(platform.asked_ == platform.answers_.size());
  }
  FUZZ_CHECK(platform.writes_ <= static_cast<int>(tokens.size()));
  return 0;
}
