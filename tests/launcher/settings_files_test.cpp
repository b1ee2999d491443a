// Where korvex finds and keeps its settings, on a real file system: the file beside the program
// and the user's own file, which wins on read and takes what cannot go beside the program.
#include "launcher/settings_files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <set>

#include <gtest/gtest.h>

#include "launcher/system.h"
#include "support/files.h"
#include "support/temp_folder.h"
#include "support/tmpfs_mount.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;

using vorelim::test::FilesIn;
using vorelim::test::ReadFileBytes;
using vorelim::test::WriteFileBytes;

TEST(settings_files_test, user_file_under_the_configuration_folder) {
  const struct {
    const char* xdg_config_home;
    const char* home;
    std::string expected;
  } rows[] = {
      {"/cfg", "/home/u", "/cfg/korvex/korvex.INI"},
      {"/cfg//", "/home/u", "/cfg/korvex/korvex.INI"},
      {nullptr, "/home/u", "/home/u/.config/korvex/korvex.INI"},
      {"", "/home/u/", "/home/u/.config/korvex/korvex.INI"},
      {"relative/cfg", "/home/u", "/home/u/.config/korvex/korvex.INI"},
      {nullptr, nullptr, ""},
      {"cfg", "home/u", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.xdg_config_home ? row.xdg_config_home : "(unset)") + " " +
                 (row.home ? row.home : "(unset)"));
    EXPECT_EQ(UserSettingsPath(row.xdg_config_home, row.home), row.expected);
  }
}

// A folder this process cannot create files in: permission bits for an ordinary user, a read-only
// tmpfs for root, who ignores permission bits. Neither is skipped: root can always mount.
class ReadOnlyFolder {
 public:
  ReadOnlyFolder(const fs::path& fallback, const std::string& file, const std::string& content) {
    if (vorelim::test::PermissionsAreEnforced()) {
      path_ = fallback;
      fs::create_directories(path_);
      WriteFileBytes(path_ / file, content);
      fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_exec);
      return;
    }
    mount_.emplace("64k");
    EXPECT_TRUE(mount_->mounted()) << "as root a tmpfs must mount: " << mount_->why();
    path_ = mount_->path();
    WriteFileBytes(path_ / file, content);
    EXPECT_TRUE(mount_->MakeReadOnly()) << std::strerror(errno);
  }
  const fs::path& path() const { return path_; }

 private:
  std::optional<vorelim::test::TmpfsMount> mount_;
  fs::path path_;
};

TEST(settings_files_test, lookup_order_and_where_a_folder_is_remembered) {
  const std::string cd_media = "[QxLaunch]\nCD=/media/cd/\nBIN=/opt/bin/\n";
  enum class Beside { kNone, kWritable, kReadOnlyFolder };
  const struct {
    const char* name;
    Beside beside;
    std::optional<std::string> per_user;  // the user's file before, if any
    bool has_home;                        // false: no user configuration folder at all
    std::string value;                    // remembered under CD
    std::string cd_before, bin_before;    // what CD and BIN read before the write
    SettingWritten written;
    std::string beside_after;                   // "" when there is no file beside the program
    std::optional<std::string> per_user_after;  // nothing when the user's file does not exist
  } rows[] = {
      {"beside file present and writable", Beside::kWritable, std::nullopt, true, "/e/demo/",
       "/media/cd/", "/opt/bin/", SettingWritten::kBeside,
       "[QxLaunch]\nCD=/e/demo/\nBIN=/opt/bin/\n", std::nullopt},
      {"beside file in a read-only folder", Beside::kReadOnlyFolder, std::nullopt, true, "/e/demo/",
       "/media/cd/", "/opt/bin/", SettingWritten::kPerUser, cd_media, "[QxLaunch]\nCD=/e/demo/\n"},
      {"no beside file: it is never created", Beside::kNone, std::nullopt, true, "/e/demo/", "", "",
       SettingWritten::kPerUser, "", "[QxLaunch]\nCD=/e/demo/\n"},
      {"the user's key wins, and is where a new folder goes", Beside::kWritable,
       "; mine\n[QxLaunch]\ncd=/home/cd/\n", true, "/e/demo/", "/home/cd/", "/opt/bin/",
       SettingWritten::kPerUser, cd_media, "; mine\n[QxLaunch]\ncd=/e/demo/\n"},
      {"the user's file without the key adds it", Beside::kReadOnlyFolder,
       "[QxLaunch]\nOTHER=/o/\n", true, "/e/demo/", "/media/cd/", "/opt/bin/",
       SettingWritten::kPerUser, cd_media, "[QxLaunch]\nOTHER=/o/\nCD=/e/demo/\n"},
      {"nowhere to write", Beside::kReadOnlyFolder, std::nullopt, false, "/e/demo/", "/media/cd/",
       "/opt/bin/", SettingWritten::kFailed, cd_media, std::nullopt},
      {"a value that would break the file touches neither", Beside::kNone, std::nullopt, true,
       "/x\n[Evil]/", "", "", SettingWritten::kRefused, "", std::nullopt},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    vorelim::test::TempFolder folder(false);
    std::optional<ReadOnlyFolder> read_only;
    fs::path bin = folder.path() / "bin";
    if (row.beside == Beside::kReadOnlyFolder) {
      read_only.emplace(bin, "korvex.INI", cd_media);
      bin = read_only->path();
    } else {
      fs::create_directories(bin);
      if (row.beside == Beside::kWritable) WriteFileBytes(bin / "korvex.INI", cd_media);
    }
    const fs::path config = folder.path() / "config";
    const fs::path user_file = config / "korvex" / "korvex.INI";
    if (row.per_user) {
      fs::create_directories(user_file.parent_path());
      WriteFileBytes(user_file, *row.per_user);
    }
    const SettingsFiles files{(bin / "korvex.INI").string(),
                              row.has_home ? user_file.string() : std::string()};

    EXPECT_EQ(LookUpSetting(files, "QxLaunch", "CD"), row.cd_before);
    EXPECT_EQ(LookUpSetting(files, "QxLaunch", "BIN"), row.bin_before);
    EXPECT_EQ(RememberSetting(files, "QxLaunch", "CD", row.value), row.written);

    const bool stored =
        row.written == SettingWritten::kBeside || row.written == SettingWritten::kPerUser;
    EXPECT_EQ(LookUpSetting(files, "QxLaunch", "CD"), stored ? row.value : row.cd_before);
    EXPECT_EQ(fs::exists(bin / "korvex.INI") ? ReadFileBytes(bin / "korvex.INI") : "",
              row.beside_after);
    EXPECT_EQ(FilesIn(bin), row.beside == Beside::kNone ? std::set<std::string>{}
                                                        : std::set<std::string>{"korvex.INI"})
        << "no temporary file left beside the program";
    if (row.per_user_after) {
      EXPECT_EQ(ReadFileBytes(user_file), *row.per_user_after);
      EXPECT_EQ(FilesIn(user_file.parent_path()), std::set<std::string>{"korvex.INI"});
      if (!row.per_user) {
        EXPECT_EQ(fs::status(config).permissions(), fs::perms::owner_all);
        EXPECT_EQ(fs::status(user_file.parent_path()).permissions(), fs::perms::owner_all);
      }
    } else {
      EXPECT_FALSE(fs::exists(config)) << "the user's folder is created only to be written";
    }
  }
}

TEST(settings_files_test, a_folder_remembered_nowhere_is_told_on_stderr_only) {
  vorelim::test::TempFolder folder(false);
  const ReadOnlyFolder bin(folder.path() / "bin", "korvex.INI", "[QxLaunch]\n");
  const std::string beside = (bin.path() / "korvex.INI").string();
  struct WithoutDialogs : SystemPlatform {
    using SystemPlatform::SystemPlatform;
    void ShowNotice() override {}
    std::optional<std::string> AskForFolder(const std::string&, const std::string&) override {
      return std::nullopt;
    }
  } platform("");
  ::testing::internal::CaptureStderr();
  platform.WriteSetting(beside, "QxLaunch", "CD", "/e/demo/");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "korvex: the folder /e/demo/ for CD is not remembered: " + beside +
                " cannot be written and HOME names no folder\n");
  EXPECT_EQ(ReadFileBytes(beside), "[QxLaunch]\n");
}

}  // namespace
}  // namespace korvex
