// Chart files under faults the file system produces: a write that fails at any byte, a disk that
// fails to flush or close, a file that vanishes or turns into something else between the folder
// listing and the open, a read that fails part-way, a chart that cannot be replaced, and a
// several-GiB sparse file. In every case the call returns, the record is either whole or
// untouched, and no partial chart or temporary file is left behind.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <future>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "chart/chart_file.h"
#include "chart/chart_record.h"
#include "immutable_file.h"
#include "io_faults.h"
#include "support/charts.h"
#include "support/files.h"
#include "support/temp_folder.h"

namespace vorelim {
namespace {

namespace fs = std::filesystem;
using faults::FaultPlan;
using faults::ScopedFaults;
using faults::SetImmutable;
using test::BytesOf;
using test::FilesIn;
using test::TempFolder;

// A record that already holds something, to see that a failed read leaves it alone.
ChartRecord Garbage() {
  ChartRecord record;
  for (std::size_t i = 0; i < record.bytes().size(); ++i) {
    record.bytes()[i] = static_cast<std::uint8_t>(0x5A ^ (i * 7));
  }
  return record;
}

// A fault plan with the name its row is reported under.
struct PlanRow {
  const char* name;
  FaultPlan plan;
};

// Writes the chart's file with the faults of `plan` armed for the write alone.
WriteResult WriteUnder(const FaultPlan& plan, const ChartRecord& chart) {
  ScopedFaults faults(plan);
  return WriteChartFile(chart);
}

TEST(chart_file_faults_test, write_failing_at_every_byte_leaves_the_old_chart) {
  TempFolder folder;
  const ChartRecord old_chart = test::ChartFor("ANA", 15, 6, 1975);
  const ChartRecord new_chart = test::ChartFor("ANA", 2, 2, 1990);
  ASSERT_TRUE(WriteChartFile(old_chart).ok());
  for (int error : {ENOSPC, EIO, EDQUOT}) {
    for (long long offset = 0; offset < static_cast<long long>(kChartRecordSize); ++offset) {
      SCOPED_TRACE("errno " + std::to_string(error) + " at byte " + std::to_string(offset));
      WriteResult result;
      {
        ScopedFaults faults(FaultPlan{.write_budget = offset, .write_errno = error});
        result = WriteChartFile(new_chart);
        EXPECT_EQ(faults.counts().bytes_written, offset);
      }
      EXPECT_EQ(result.status, WriteStatus::WriteFailed);
      EXPECT_EQ(result.error, error);
      ASSERT_EQ(test::ReadFileBytes("ANA.NUM"), BytesOf(old_chart));
      ASSERT_EQ(FilesIn("."), std::set<std::string>{"ANA.NUM"});
    }
  }
}

TEST(chart_file_faults_test, failing_disk_never_leaves_a_new_partial_chart) {
  TempFolder folder;
  const ChartRecord chart = test::ChartFor("NOVO", 31, 12, 1999);
  const PlanRow rows[] = {
      {"nothing written", {.write_budget = 0}},        {"half written", {.write_budget = 33}},
      {"all but the last byte", {.write_budget = 65}}, {"flush fails", {.fsync_errno = EIO}},
      {"close fails", {.close_errno = EIO}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const WriteResult result = WriteUnder(row.plan, chart);
    EXPECT_EQ(result.status, WriteStatus::WriteFailed);
    EXPECT_NE(result.error, 0);
    EXPECT_TRUE(FilesIn(".").empty());
  }
}

TEST(chart_file_faults_test, short_and_interrupted_writes_still_give_the_whole_chart) {
  TempFolder folder;
  const ChartRecord chart = test::ChartFor("MARIA", 15, 6, 1975);
  const PlanRow rows[] = {
      {"one byte per write", {.write_chunk = 1}},
      {"seven bytes per write", {.write_chunk = 7}},
      {"every other write interrupted", {.write_chunk = 5, .interrupt_writes = true}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove("MARIA.NUM");
    const WriteResult result = WriteUnder(row.plan, chart);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(test::ReadFileBytes("MARIA.NUM"), BytesOf(chart));
    EXPECT_EQ(FilesIn("."), std::set<std::string>{"MARIA.NUM"});
  }
}

TEST(chart_file_faults_test, read_failing_part_way_leaves_the_record_untouched) {
  TempFolder folder;
  ASSERT_TRUE(WriteChartFile(test::ChartFor("MARIA", 15, 6, 1975)).ok());
  for (long long offset = 0; offset < static_cast<long long>(kChartRecordSize); ++offset) {
    SCOPED_TRACE("fails after " + std::to_string(offset) + " bytes");
    const ChartRecord before = Garbage();
    ChartRecord record = before;
    ReadResult result;
    {
      ScopedFaults faults(FaultPlan{.read_budget = offset == 0 ? 0 : offset});
      result = ReadChartFile("MARIA", record);
    }
    EXPECT_EQ(result.status, ReadStatus::Unreadable);
    EXPECT_EQ(result.error, EIO);
    ASSERT_EQ(record, before);
  }
}

TEST(chart_file_faults_test, file_that_vanishes_or_changes_before_the_open) {
  TempFolder folder;
  const ChartRecord chart = test::ChartFor("ANA", 1, 1, 2000);
  const struct {
    const char* name;
    std::function<void(const std::string&)> change;  // done just before the reader opens ANA.NUM
    ReadStatus status;
  } rows[] = {
      {"deleted", [](const std::string&) { fs::remove("ANA.NUM"); }, ReadStatus::Missing},
      {"replaced by a folder",
       [](const std::string&) {
         fs::remove("ANA.NUM");
         fs::create_directory("ANA.NUM");
       },
       ReadStatus::Unreadable},
      {"replaced by a named pipe",
       [](const std::string&) {
         fs::remove("ANA.NUM");
         ::mkfifo("ANA.NUM", 0644);
       },
       ReadStatus::NotRegularFile},
      {"replaced by a dangling link",
       [](const std::string&) {
         fs::remove("ANA.NUM");
         fs::create_symlink("GONE.NUM", "ANA.NUM");
       },
       ReadStatus::Missing},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all("ANA.NUM");
    ASSERT_TRUE(WriteChartFile(chart).ok());
    const ChartRecord before = Garbage();
    ChartRecord record = before;
    ReadResult result;
    bool changed = false;
    {
      ScopedFaults faults(FaultPlan{.before_open = [&](const std::string& path) {
        if (!changed && fs::path(path).filename() == "ANA.NUM") {
          changed = true;
          row.change(path);
        }
      }});
      result = ReadChartFile("ANA", record);
    }
    EXPECT_TRUE(changed);
    EXPECT_EQ(result.status, row.status);
    EXPECT_EQ(record, before);
  }
}

TEST(chart_file_faults_test, named_pipe_in_the_chart_s_place_neither_blocks_reading_nor_writing) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo("PIPE.NUM", 0644), 0);
  // A writer that keeps the pipe open and offers more than a record: still not a chart file. The
  // pipe's read end is held open here, so the writer's open and write need not wait for a reader.
  const int held = ::open("PIPE.NUM", O_RDONLY | O_NONBLOCK);
  const int writer = ::open("PIPE.NUM", O_WRONLY | O_NONBLOCK);
  ASSERT_TRUE(held >= 0 && writer >= 0);
  const std::string bytes(200, '7');
  ASSERT_EQ(::write(writer, bytes.data(), bytes.size()), 200);
  const ChartRecord before = Garbage();
  ChartRecord record = before;
  auto reading =
      std::async(std::launch::async, [&record] { return ReadChartPath("PIPE.NUM", record); });
  // A read that waited for the end of the pipe would wait as long as the writer keeps it open.
  const bool returned = reading.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
  ::close(writer);  // ends such a read, so the test ends either way
  EXPECT_TRUE(returned) << "reading waited for the writer";
  EXPECT_EQ(reading.get().status, ReadStatus::NotRegularFile);
  EXPECT_EQ(record, before);
  ::close(held);

  // Writing a chart of that name replaces the pipe by a regular chart file.
  const ChartRecord chart = test::ChartFor("PIPE", 2, 2, 1990);
  ASSERT_TRUE(WriteChartFile(chart).ok());
  EXPECT_TRUE(fs::is_regular_file("PIPE.NUM"));
  EXPECT_EQ(test::ReadFileBytes("PIPE.NUM"), BytesOf(chart));
}

TEST(chart_file_faults_test, sparse_file_of_several_gib_reads_only_its_first_record) {
  TempFolder folder;
  const ChartRecord chart = test::ChartFor("GRANDE", 15, 6, 1975);
  test::WriteChart("GRANDE.NUM", chart);
  std::error_code ec;
  fs::resize_file("GRANDE.NUM", 6ull << 30, ec);  // 6 GiB, all holes after the record
  if (ec) GTEST_SKIP() << "cannot make a sparse file here: " << ec.message();

  ChartRecord record;
  ReadResult result;
  const auto start = std::chrono::steady_clock::now();
  {
    ScopedFaults faults(FaultPlan{});
    result = ReadChartFile("GRANDE", record);
    EXPECT_EQ(faults.counts().bytes_read, static_cast<long long>(kChartRecordSize));
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(result.status, ReadStatus::Whole);
  EXPECT_EQ(record, chart);
}

TEST(chart_file_faults_test, chart_that_cannot_be_replaced_stays_whole) {
  TempFolder folder;
  const ChartRecord old_chart = test::ChartFor("FIXO", 15, 6, 1975);
  ASSERT_TRUE(WriteChartFile(old_chart).ok());

  // Read-only by its mode bits: root may still replace it; the chart is then whole and new, and
  // keeps its read-only mode.
  ASSERT_EQ(::chmod("FIXO.NUM", 0444), 0);
  const ChartRecord new_chart = test::ChartFor("FIXO", 2, 2, 1990);
  const WriteResult by_mode = WriteChartFile(new_chart);
  if (by_mode.ok()) {
    EXPECT_EQ(test::ReadFileBytes("FIXO.NUM"), BytesOf(new_chart));
    EXPECT_EQ(fs::status("FIXO.NUM").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  } else {
    EXPECT_EQ(test::ReadFileBytes("FIXO.NUM"), BytesOf(old_chart));
  }
  EXPECT_EQ(FilesIn("."), std::set<std::string>{"FIXO.NUM"});

  // Immutable: not even root may replace it. The write fails and the chart stays as it was.
  ASSERT_TRUE(WriteChartFile(old_chart).ok());
  const std::string before = test::ReadFileBytes("FIXO.NUM");
  if (!SetImmutable("FIXO.NUM", true)) {
    GTEST_SKIP() << "cannot set the immutable attribute here: " << std::strerror(errno);
  }
  const WriteResult immutable = WriteChartFile(test::ChartFor("FIXO", 3, 3, 2003));
  SetImmutable("FIXO.NUM", false);
  EXPECT_EQ(immutable.status, WriteStatus::CannotReplace);
  EXPECT_EQ(immutable.error, EPERM);
  EXPECT_EQ(test::ReadFileBytes("FIXO.NUM"), before);
  EXPECT_EQ(FilesIn("."), std::set<std::string>{"FIXO.NUM"});
}

}  // namespace
}  // namespace vorelim
