#include "chart/chart_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <random>
#include <set>
#include <string>

#include "chart/chart_rules.h"
#include "chart/numerology.h"
#include "chart/text_number.h"
#include "chart/windows1252.h"
#include "support/charts.h"
#include "support/temp_folder.h"
#include "support/tmpfs_mount.h"
#include "support/unprivileged.h"

namespace fs = std::filesystem;

namespace vorelim {
namespace {

using test::BytesOf;
using test::ChartFor;
using test::FilesIn;
using test::ReadFileBytes;
using test::TempFolder;
using test::TmpfsMount;
using test::WriteFileBytes;

ChartRecord Garbage(unsigned seed) {
  ChartRecord record;
  std::mt19937 random(seed);
  for (auto& byte : record.bytes()) byte = static_cast<std::uint8_t>(random());
  return record;
}

TEST(chart_name_from_path_test, cuts_the_folder_the_extension_and_the_length_limit) {
  const struct {
    const char* row;
    const char* path;
    const char* name;
  } rows[] = {
      {"plain chart", "/home/ana/MARIA.NUM", "MARIA"},
      {"14 characters: the cut ends at the dot", "ABCDEFGHIJKLMN.NUM", "ABCDEFGHIJKLMN"},
      {"15 characters: no dot in the first 15", "ABCDEFGHIJKLMNO.NUM", "ABCDEFGHIJKLMNO"},
      {"16 characters", "ABCDEFGHIJKLMNOP.NUM", "ABCDEFGHIJKLMNO"},
      {"dot inside loses 4 characters", "A.B.NUM", "AUM"},
      {"other extension", "/tmp/NOTAS.TXT", "NOTAS"},
      {"dot near the end removes fewer", "AB.C", "AB"},
      {"no dot", "SEMPONTO", "SEMPONTO"},
      {"dots in folders do not count", "/tmp/pasta.d/MARIA.NUM", "MARIA"},
      {"backslash separator", "C:\\MAPAS\\maria.num", "maria"},
      {"drive colon", "C:JOSE.NUM", "JOSE"},
      {"letter case kept", "/x/Maria.Num", "Maria"},
      {"accented name", "/x/JOÃO.NUM", "JOÃO"},
      {"15 characters of two bytes each", "/x/ÃÃÃÃÃÃÃÃÃÃÃÃÃÃÃÃ.NUM", "ÃÃÃÃÃÃÃÃÃÃÃÃÃÃÃ"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ChartNameFromPath(row.path), row.name) << row.row;
  }
}

TEST(chart_file_test, write_then_read_gives_the_same_66_bytes) {
  TempFolder folder;
  const ChartRecord chart = ChartFor("MARIA", 15, 6, 1975);
  const WriteResult written = WriteChartFile(chart);
  ASSERT_TRUE(written.ok()) << std::strerror(written.error);
  EXPECT_EQ(written.path.filename(), "MARIA.NUM");
  EXPECT_EQ(ReadFileBytes("MARIA.NUM"), BytesOf(chart));
  EXPECT_EQ(FilesIn("."), std::set<std::string>{"MARIA.NUM"});

  ChartRecord read = Garbage(1);
  const ReadResult result = ReadChartFile("MARIA", read);
  EXPECT_EQ(result.status, ReadStatus::Whole);
  EXPECT_EQ(result.bytes_read, kChartRecordSize);
  EXPECT_EQ(read, chart);
}

TEST(chart_file_test, file_name_is_the_name_followed_by_num) {
  TempFolder folder;
  ASSERT_TRUE(WriteChartFile(ChartFor("A", 1, 1, 2000)).ok());
  ASSERT_TRUE(WriteChartFile(ChartFor("ABCDEFGHIJKLMNO", 1, 1, 2000)).ok());
  EXPECT_EQ(FilesIn("."), (std::set<std::string>{"A.NUM", "ABCDEFGHIJKLMNO.NUM"}));
  EXPECT_EQ(ChartFileName("ABCDEFGHIJKLMNO").size(), 19u);
  // Names travel as UTF-8 on this system; the record keeps Windows-1252.
  ASSERT_TRUE(WriteChartFile(ChartFor("JOÃO", 1, 1, 2000)).ok());
  EXPECT_TRUE(fs::exists("JOÃO.NUM"));
  EXPECT_EQ(ReadFileBytes("JOÃO.NUM")[3], '\xc3');
}

TEST(chart_file_test, writing_replaces_an_existing_chart) {
  TempFolder folder;
  WriteFileBytes("ANA.NUM", std::string(100, 'z'));
  ::chmod("ANA.NUM", 0640);
  const ChartRecord chart = ChartFor("ANA", 2, 2, 1990);
  ASSERT_TRUE(WriteChartFile(chart).ok());
  EXPECT_EQ(ReadFileBytes("ANA.NUM"), BytesOf(chart));
  EXPECT_EQ(fs::file_size("ANA.NUM"), 66u);
  EXPECT_EQ(fs::status("ANA.NUM").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(FilesIn("."), std::set<std::string>{"ANA.NUM"});
}

TEST(chart_file_test, new_chart_file_gets_the_usual_permissions) {
  TempFolder folder;
  const mode_t previous = ::umask(022);
  const bool ok = WriteChartFile(ChartFor("ANA", 2, 2, 1990)).ok();
  ::umask(previous);
  ASSERT_TRUE(ok);
  EXPECT_EQ(fs::status("ANA.NUM").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);
}

TEST(chart_file_test, every_date_round_trips) {
  // Through the record for every day 1..31 of every month of years 1..3000: the stored texts read
  // back to the date, and the date read back gives the same record again.
  for (int year = 1; year <= 3000; ++year) {
    const std::string year_text = std::to_string(year);
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        const ChartRecord chart = NewChartRecord("", day, month, year_text, 0);
        ChartRecord again(chart.bytes());
        ASSERT_TRUE(again.LooksLikeChart()) << day << "/" << month << "/" << year;
        CalcChart(again, ReadTextNumber(again.Raw(ChartField::BirthDay)),
                  ReadTextNumber(again.Raw(ChartField::BirthMonth)),
                  ReadTextNumber(again.Raw(ChartField::BirthYear)));
        ASSERT_EQ(again, chart) << day << "/" << month << "/" << year;
      }
    }
  }
  // Through the file for every day of every month, each in one of a sample of years, the largest
  // four-digit year included. A tmpfs keeps the flushes cheap when it can be mounted.
  TempFolder folder;
  TmpfsMount mount("1m");
  const fs::path where = mount.mounted() ? mount.path() : folder.path();
  const int years[] = {1, 1935, 1936, 1990, 2026, 9999};
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      const int year = years[(day + month) % 6];
      const ChartRecord chart = ChartFor("ANA", day, month, year);
      ASSERT_TRUE(WriteChartFile(chart, where).ok());
      ChartRecord read = Garbage(static_cast<unsigned>(day));
      ASSERT_EQ(ReadChartFile("ANA", read, where).status, ReadStatus::Whole);
      ASSERT_EQ(read, chart) << day << "/" << month << "/" << year;
    }
  }
  EXPECT_EQ(FilesIn(where), std::set<std::string>{"ANA.NUM"});
}

TEST(chart_file_test, reader_takes_what_a_file_of_any_length_holds) {
  TempFolder folder;
  std::mt19937 random(20260);
  for (int round = 0; round < 3; ++round) {
    for (std::size_t length = 0; length <= 100; ++length) {
      SCOPED_TRACE("length " + std::to_string(length));
      std::string contents(length, '\0');
      for (char& c : contents) c = static_cast<char>(random());
      WriteFileBytes("X.NUM", contents);

      const ChartRecord before = Garbage(static_cast<unsigned>(length));
      ChartRecord record = before;
      const ReadResult result = ReadChartFile("X", record);
      const std::size_t taken = std::min(length, kChartRecordSize);
      EXPECT_EQ(result.status, length >= kChartRecordSize ? ReadStatus::Whole : ReadStatus::Short);
      EXPECT_EQ(result.bytes_read, taken);
      // The file's bytes fill the start; the rest keeps what the record held.
      const std::string expected = contents.substr(0, taken) + BytesOf(before).substr(taken);
      EXPECT_EQ(BytesOf(record), expected);
      // Whatever the bytes, the accessors stay inside each field.
      for (ChartField field :
           {ChartField::Name, ChartField::BirthDay, ChartField::BirthMonth, ChartField::BirthYear,
            ChartField::Personality, ChartField::Control, ChartField::Tendency}) {
        EXPECT_LE(record.Raw(field).size(), LayoutOf(field).capacity);
        EXPECT_TRUE(IsWindows1252Representable(record.Text(field)) ||
                    record.Text(field).find("\uFFFD") != std::string::npos);
      }
    }
  }
}

TEST(chart_file_test, missing_or_unreadable_file_leaves_record_untouched) {
  TempFolder folder;
  const ChartRecord before = Garbage(7);
  ChartRecord record = before;
  const ReadResult missing = ReadChartFile("NOBODY", record);
  EXPECT_EQ(missing.status, ReadStatus::Missing);
  EXPECT_EQ(record, before);

  fs::create_directory("FOLDER.NUM");
  EXPECT_EQ(ReadChartFile("FOLDER", record).status, ReadStatus::Unreadable);
  EXPECT_EQ(record, before);

  // A named pipe must not hang the reader.
  ASSERT_EQ(::mkfifo("PIPE.NUM", 0644), 0);
  EXPECT_EQ(ReadChartFile("PIPE", record).status, ReadStatus::NotRegularFile);
  EXPECT_EQ(record, before);
}

TEST(chart_file_test, finds_the_file_ignoring_case) {
  TempFolder folder;
  const ChartRecord maria = ChartFor("MARIA", 15, 6, 1975);
  const ChartRecord joao = ChartFor("JOÃO", 2, 2, 1990);
  WriteFileBytes("maria.num", BytesOf(maria));
  WriteFileBytes("Joã.NUM", "x");  // shorter name, must not match
  WriteFileBytes("joão.Num", BytesOf(joao));
  WriteFileBytes("MARIA.NUMX", "x");  // longer extension, must not match

  const struct {
    const char* name;
    const char* file;
    const ChartRecord& record;
  } rows[] = {
      {"MARIA", "maria.num", maria}, {"maria", "maria.num", maria}, {"Maria", "maria.num", maria},
      {"JOÃO", "joão.Num", joao},    {"joÃo", "joão.Num", joao},
  };
  for (const auto& row : rows) {
    ChartRecord read;
    const ReadResult result = ReadChartFile(row.name, read);
    EXPECT_EQ(result.status, ReadStatus::Whole) << row.name;
    EXPECT_EQ(result.path.filename(), row.file) << row.name;
    EXPECT_EQ(read, row.record) << row.name;
  }
  EXPECT_EQ(FindChartFile("JOAO"), std::nullopt);
  EXPECT_EQ(FindChartFile("MARI"), std::nullopt);
}

TEST(chart_file_test, exact_name_wins_over_a_case_variant) {
  TempFolder folder;
  const ChartRecord upper = ChartFor("MARIA", 15, 6, 1975);
  WriteFileBytes("maria.num", BytesOf(ChartFor("maria", 1, 1, 1950)));
  WriteFileBytes("MARIA.NUM", BytesOf(upper));
  ChartRecord read;
  EXPECT_EQ(ReadChartFile("MARIA", read).status, ReadStatus::Whole);
  EXPECT_EQ(read, upper);
  EXPECT_EQ(FindChartFile("MARIA"), fs::path(".") / "MARIA.NUM");
}

TEST(chart_file_test, writing_replaces_a_case_variant_instead_of_adding_a_file) {
  TempFolder folder;
  WriteFileBytes("maria.num", BytesOf(ChartFor("maria", 1, 1, 1950)));
  const ChartRecord chart = ChartFor("MARIA", 15, 6, 1975);
  const WriteResult result = WriteChartFile(chart);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.path.filename(), "maria.num");
  EXPECT_EQ(FilesIn("."), std::set<std::string>{"maria.num"});
  EXPECT_EQ(ReadFileBytes("maria.num"), BytesOf(chart));
}

TEST(chart_file_test, refused_names_write_and_read_nothing) {
  TempFolder outer;
  const fs::path inner = outer.path() / "charts";
  fs::create_directory(inner);
  WriteFileBytes(outer.path() / "ESCAPE.NUM", BytesOf(ChartFor("ESCAPE", 1, 1, 2000)));
  const std::string outside_before = ReadFileBytes(outer.path() / "ESCAPE.NUM");

  const struct {
    const char* label;
    std::string raw_name;  // Windows-1252, as stored in the record
    NameProblem problem;
  } rows[] = {
      {"empty", "", NameProblem::Blank},
      {"blanks", "   ", NameProblem::Blank},
      {"no-break spaces", "\xA0 \xA0", NameProblem::Blank},
      {"parent path", "../ESCAPE", NameProblem::PathSeparator},
      {"absolute path", "/tmp/X", NameProblem::PathSeparator},
      {"backslash", "..\\ESCAPE", NameProblem::PathSeparator},
      {"dot", ".", NameProblem::DotName},
      {"dot dot", "..", NameProblem::DotName},
      {"colon", "C:X", NameProblem::ReservedCharacter},
      {"star", "A*", NameProblem::ReservedCharacter},
      {"question mark", "A?", NameProblem::ReservedCharacter},
      {"quote", "A\"B", NameProblem::ReservedCharacter},
      {"less than", "A<B", NameProblem::ReservedCharacter},
      {"greater than", "A>B", NameProblem::ReservedCharacter},
      {"bar", "A|B", NameProblem::ReservedCharacter},
      {"tab", "A\tB", NameProblem::ControlCharacter},
      {"newline", "A\nB", NameProblem::ControlCharacter},
      {"nul", std::string("A\0B", 3), NameProblem::ControlCharacter},
      {"delete", "A\x7f", NameProblem::ControlCharacter},
      {"undefined byte", "A\x81", NameProblem::NotWindows1252},
  };
  for (const auto& row : rows) {
    ChartRecord chart = ChartFor("X", 1, 1, 2000);
    chart.SetRaw(ChartField::Name, row.raw_name);
    const WriteResult written = WriteChartFile(chart, inner);
    EXPECT_EQ(written.status, WriteStatus::InvalidName) << row.label;
    EXPECT_EQ(written.name_problem, row.problem) << row.label;

    const ChartRecord before = Garbage(3);
    ChartRecord read = before;
    EXPECT_EQ(ReadChartFile(chart.Name(), read, inner).status, ReadStatus::InvalidName)
        << row.label;
    EXPECT_EQ(read, before) << row.label;
  }
  EXPECT_TRUE(FilesIn(inner).empty());
  EXPECT_EQ(FilesIn(outer.path()), (std::set<std::string>{"ESCAPE.NUM", "charts"}));
  EXPECT_EQ(ReadFileBytes(outer.path() / "ESCAPE.NUM"), outside_before);

  EXPECT_EQ(CheckChartName("ABCDEFGHIJKLMNOP"), NameProblem::TooLong);
  EXPECT_EQ(CheckChartName("ΩMEGA"), NameProblem::NotWindows1252);
  EXPECT_EQ(CheckChartName("ÃÃÃÃÃÃÃÃÃÃÃÃÃÃÃ"), NameProblem::None);
  EXPECT_EQ(CheckChartName("...A"), NameProblem::None);
}

TEST(chart_file_test, paths_that_are_no_file_names_open_nothing) {
  TempFolder folder;
  WriteFileBytes("MARIA.NUM", BytesOf(ChartFor("MARIA", 15, 6, 1975)));
  const std::string maria = (fs::current_path() / "MARIA.NUM").string();
  const std::string at_limit = "/" + std::string(PATH_MAX - 2, 'A');
  const struct {
    const char* label;
    std::string path;
    bool file_name;
  } rows[] = {
      {"zero byte before a chart's extension", std::string("/etc/passwd\0.NUM", 16), false},
      {"zero byte after a chart", maria + std::string("\0/../../etc/passwd", 19), false},
      {"PATH_MAX bytes", at_limit + "B", false},
      {"one byte less", at_limit, true},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(IsFileName(row.path), row.file_name) << row.label;
    const ChartRecord before = Garbage(5);
    ChartRecord record = before;
    const ReadResult read = ReadChartPath(row.path, record);
    EXPECT_EQ(read.status == ReadStatus::InvalidName, !row.file_name) << row.label;
    EXPECT_FALSE(read.file_read()) << row.label;
    EXPECT_EQ(record, before) << row.label;
  }
}

TEST(chart_file_test, failed_rename_leaves_no_temporary_file) {
  TempFolder folder;
  fs::create_directories("ANA.NUM/inside");
  const WriteResult result = WriteChartFile(ChartFor("ANA", 1, 1, 2000));
  EXPECT_EQ(result.status, WriteStatus::CannotReplace);
  EXPECT_NE(result.error, 0);
  EXPECT_EQ(FilesIn("."), std::set<std::string>{"ANA.NUM"});
  EXPECT_TRUE(fs::is_directory("ANA.NUM/inside"));
}

TEST(chart_file_test, full_disk_leaves_the_old_chart_intact) {
  TmpfsMount mount("64k");
  SKIP_UNLESS_MOUNTED(mount);
  const ChartRecord old_chart = ChartFor("ANA", 15, 6, 1975);
  ASSERT_TRUE(WriteChartFile(old_chart, mount.path()).ok());

  // Fill the file system to the last byte.
  {
    const fs::path filler = mount.path() / "filler";
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    const std::string block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    while (::write(fd, "f", 1) > 0) {
    }
    EXPECT_EQ(errno, ENOSPC);
    ::close(fd);
  }

  const WriteResult result = WriteChartFile(ChartFor("ANA", 2, 2, 1990), mount.path());
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.status, WriteStatus::WriteFailed);
  EXPECT_EQ(result.error, ENOSPC);
  EXPECT_EQ(ReadFileBytes(mount.path() / "ANA.NUM"), BytesOf(old_chart));
  EXPECT_EQ(FilesIn(mount.path()), (std::set<std::string>{"ANA.NUM", "filler"}));

  // With room again the same write succeeds.
  fs::remove(mount.path() / "filler");
  const ChartRecord new_chart = ChartFor("ANA", 2, 2, 1990);
  ASSERT_TRUE(WriteChartFile(new_chart, mount.path()).ok());
  EXPECT_EQ(ReadFileBytes(mount.path() / "ANA.NUM"), BytesOf(new_chart));
}

TEST(chart_file_test, read_only_file_system_reads_but_refuses_writes) {
  TmpfsMount mount("64k");
  SKIP_UNLESS_MOUNTED(mount);
  const ChartRecord chart = ChartFor("MARIA", 15, 6, 1975);
  ASSERT_TRUE(WriteChartFile(chart, mount.path()).ok());
  if (!mount.MakeReadOnly()) GTEST_SKIP() << "cannot remount read-only: " << std::strerror(errno);

  // The file cannot be opened for writing, as on a CD; a read-write open would fail here.
  const fs::path file = mount.path() / "MARIA.NUM";
  EXPECT_LT(::open(file.c_str(), O_RDWR), 0);
  EXPECT_EQ(errno, EROFS);

  ChartRecord read;
  EXPECT_EQ(ReadChartFile("MARIA", read, mount.path()).status, ReadStatus::Whole);
  EXPECT_EQ(read, chart);

  const WriteResult result = WriteChartFile(ChartFor("MARIA", 2, 2, 1990), mount.path());
  EXPECT_EQ(result.status, WriteStatus::CannotCreate);
  EXPECT_EQ(result.error, EROFS);
  EXPECT_EQ(ReadFileBytes(file), BytesOf(chart));
  EXPECT_EQ(FilesIn(mount.path()), std::set<std::string>{"MARIA.NUM"});
}

TEST(chart_file_test, read_only_file_by_permission_loads) {
  test::RunAsUnprivilegedUser([] {
    TempFolder folder;
    const ChartRecord chart = ChartFor("MARIA", 15, 6, 1975);
    ASSERT_TRUE(WriteChartFile(chart).ok());
    ASSERT_EQ(::chmod("MARIA.NUM", 0444), 0);
    // Permission bits hold for this user: the file cannot be opened for writing.
    EXPECT_LT(::open("MARIA.NUM", O_RDWR), 0);
    ChartRecord read;
    EXPECT_EQ(ReadChartFile("MARIA", read).status, ReadStatus::Whole);
    EXPECT_EQ(read, chart);
  });
}

}  // namespace
}  // namespace vorelim
