// The launcher's system layer on a real file system and with real processes.
#include "launcher/system.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "launcher/launcher_support.h"
#include "support/files.h"
#include "support/temp_folder.h"
#include "support/tmpfs_mount.h"

namespace korvex {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

using vorelim::test::ReadFileBytes;
using vorelim::test::WriteFileBytes;

class settings_file_test : public ::testing::Test {
 protected:
  vorelim::test::TempFolder folder_;
  std::string ini_ = (folder_.path() / "korvex.INI").string();
};

TEST_F(settings_file_test, missing_file_section_or_key_reads_empty) {
  EXPECT_EQ(ReadSettingsValue(ini_, "QxLaunch", "CD"), "");
  WriteFileBytes(ini_, "[Other]\nCD=/x/\n[QxLaunch]\nA=/a/\n");
  EXPECT_EQ(ReadSettingsValue(ini_, "QxLaunch", "CD"), "");
  EXPECT_EQ(ReadSettingsValue(ini_, "Missing", "A"), "");
  EXPECT_EQ(ReadSettingsValue(ini_, "qxlaunch", "a"), "/a/");
}

TEST_F(settings_file_test, named_pipe_in_place_of_the_file_is_neither_waited_on_nor_replaced) {
  ASSERT_EQ(::mkfifo(ini_.c_str(), 0600), 0);
  EXPECT_EQ(ReadSettingsValue(ini_, "QxLaunch", "CD"), "");
  EXPECT_FALSE(WriteSettingsValue(ini_, "QxLaunch", "CD", "/x/"));
  EXPECT_TRUE(fs::is_fifo(ini_));
}

TEST_F(settings_file_test, write_creates_then_updates_keeping_the_rest_and_the_mode) {
  ASSERT_TRUE(WriteSettingsValue(ini_, "QxLaunch", "CD", "/x/"));
  EXPECT_EQ(ReadFileBytes(ini_), "[QxLaunch]\nCD=/x/\n");

  WriteFileBytes(ini_, "; keep\r\n[QxLaunch]\r\nCD=/x/\r\n[Other]\r\nk=v\r\n");
  ASSERT_EQ(::chmod(ini_.c_str(), 0640), 0);
  ASSERT_TRUE(WriteSettingsValue(ini_, "QxLaunch", "CD", "/e/demo/"));
  EXPECT_EQ(ReadFileBytes(ini_), "; keep\r\n[QxLaunch]\r\nCD=/e/demo/\r\n[Other]\r\nk=v\r\n");
  EXPECT_EQ(fs::status(ini_).permissions(), static_cast<fs::perms>(0640));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()), 1)
      << "no temporary file left behind";
}

TEST_F(settings_file_test, failed_write_leaves_the_file_as_it_was) {
  // A settings path that cannot be read is not replaced by a file holding one key.
  fs::create_directory(ini_);
  EXPECT_FALSE(WriteSettingsValue(ini_, "QxLaunch", "CD", "/x/"));
  EXPECT_TRUE(fs::is_directory(ini_));

  vorelim::test::TmpfsMount mount("64k");
  SKIP_UNLESS_MOUNTED(mount);
  const std::string ini = (mount.path() / "korvex.INI").string();
  WriteFileBytes(ini, "[QxLaunch]\nCD=/x/\n");
  ASSERT_TRUE(mount.MakeReadOnly()) << std::strerror(errno);
  EXPECT_FALSE(WriteSettingsValue(ini, "QxLaunch", "CD", "/y/"));
  EXPECT_EQ(ReadFileBytes(ini), "[QxLaunch]\nCD=/x/\n");
}
TEST_F(settings_file_test, runs_writing_at_the_same_moment_keep_every_answer) {
  // Each writer stands for one run answering its dialog for another key, several times over so
  // that the read-change-replace cycles overlap. Each key's value is its own name.
  WriteFileBytes(ini_, "[QxLaunch]\nOLD=/old/\n");
  auto key_of = [](int writer, int round) { return std::to_string(writer * 100 + round); };
  std::vector<std::thread> writers;
  for (int w = 0; w < 8; ++w) {
    writers.emplace_back([&, w] {
      for (int round = 0; round < 20; ++round) {
        EXPECT_TRUE(WriteSettingsValue(ini_, "QxLaunch", key_of(w, round), key_of(w, round)));
      }
    });
  }
  for (auto& writer : writers) writer.join();
  EXPECT_EQ(ReadSettingsValue(ini_, "QxLaunch", "OLD"), "/old/");
  for (int w = 0; w < 8; ++w) {
    for (int round = 0; round < 20; ++round) {
      EXPECT_EQ(ReadSettingsValue(ini_, "QxLaunch", key_of(w, round)), key_of(w, round));
    }
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()), 1)
      << "no temporary file left behind";
}

TEST(system_test, only_readable_non_folders_can_be_opened) {
  vorelim::test::TempFolder folder;
  const fs::path file = folder.path() / "FILE.AVI";
  const fs::path fifo = folder.path() / "fifo";
  WriteFileBytes(file, "x");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_TRUE(CanOpenForReading(file));
  EXPECT_TRUE(CanOpenForReading(fifo));  // and does not block on it
  EXPECT_FALSE(CanOpenForReading((folder.path() / "missing").string()));
  EXPECT_FALSE(CanOpenForReading(folder.path().string()));
  EXPECT_FALSE(CanOpenForReading(""));
}

TEST(system_test, started_program_gets_its_arguments_whole_and_is_not_our_child) {
  vorelim::test::TempFolder folder;
  const fs::path record = folder.path() / "record";
  setenv("KORVEX_RECORD", record.c_str(), 1);
  const std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", fs::path(KORVEX_RECORDER).parent_path().c_str(), 1);
  EXPECT_EQ(StartDetached({"korvex_recorder", "$HOME", "a b", "`x`;y"}), 0);
  setenv("PATH", old_path.c_str(), 1);

  const auto lines = test::WaitForRecord(record, std::chrono::seconds(5));
  ASSERT_TRUE(lines) << "the program was not started";
  EXPECT_THAT(*lines, ElementsAre("korvex_recorder", "$HOME", "a b", "`x`;y"));
  errno = 0;
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

}  // namespace
}  // namespace korvex
