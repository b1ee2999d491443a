// Reading and updating the settings file's text.
#include "launcher/profile.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

constexpr char kSample[] =
    "; korvex settings\n"
    "[Other]\n"
    "CD=/wrong/\n"
    "\n"
    "[ qxlaunch ]\n"
    "  Cd =  /media/cdrom/  \n"
    ";Demo=/commented/\n"
    "Demo=\"/a b/\"\n"
    "Pair=\"\"x\"\"\n"
    "Eq=a=b\n"
    "cd=/second/\n"
    "\n"
    "[Last]\n"
    "k=v\n";

TEST(profile_test, finds_values_by_section_and_key_ignoring_case) {
  const struct {
    const char* section;
    const char* key;
    std::optional<std::string> value;
  } rows[] = {
      {"QxLaunch", "CD", "/media/cdrom/"},  // blanks trimmed, first of two keys wins
      {"QXLAUNCH", "demo", "/a b/"},        // one pair of quotes removed, comment skipped
      {"QxLaunch", "Pair", "\"x\""},       {"QxLaunch", "Eq", "a=b"},
      {"QxLaunch", "k", std::nullopt},  // key of another section
      {"Missing", "CD", std::nullopt},     {"QxLaunch", "", std::nullopt},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FindProfileValue(kSample, row.section, row.key), row.value)
        << row.section << "/" << row.key;
  }
  EXPECT_EQ(FindProfileValue("[QxLaunch]\r\nCD=/x/\r\n", "QxLaunch", "CD"), "/x/");
  EXPECT_EQ(FindProfileValue("", "QxLaunch", "CD"), std::nullopt);
}

TEST(profile_test, updates_the_key_in_place_and_keeps_every_other_line) {
  std::string expected = kSample;
  expected.replace(expected.find("  Cd =  /media/cdrom/  "), 23, "  Cd=/e/demo/");
  EXPECT_EQ(SetProfileValue(kSample, "QXLAUNCH", "cD", "/e/demo/"), expected);
}

TEST(profile_test, adds_missing_keys_and_sections) {
  const struct {
    const char* name;
    const char* text;
    const char* result;
  } rows[] = {
      {"new file", "", "[QxLaunch]\nCD=/x/\n"},
      {"key at the end of its section", "[QxLaunch]\nA=1\n\n[B]\nk=v\n",
       "[QxLaunch]\nA=1\nCD=/x/\n\n[B]\nk=v\n"},
      {"section appended", "; note\n[B]\nk=v", "; note\n[B]\nk=v\n\n[QxLaunch]\nCD=/x/\n"},
      {"section without lines", "[qxlaunch]", "[qxlaunch]\nCD=/x/\n"},
      {"line ending of the file", "[QxLaunch]\r\nA=1\r\n", "[QxLaunch]\r\nA=1\r\nCD=/x/\r\n"},
      {"lone CR at the end", "[QxLaunch]\r\nk=1\r", "[QxLaunch]\r\nk=1\r\nCD=/x/\r\n"},
      {"lone CR before a new section", "[B]\nk=1\r", "[B]\nk=1\r\n\n[QxLaunch]\nCD=/x/\n"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SetProfileValue(row.text, "QxLaunch", "CD", "/x/"), row.result) << row.name;
  }
}

TEST(profile_test, values_read_back_as_written_and_unsafe_lines_are_refused) {
  for (const char* value : {" /lead/", "/trail/ ", "\"/quoted/\"", "", "/a=b/"}) {
    const auto text = SetProfileValue("", "QxLaunch", "CD", value);
    ASSERT_TRUE(text) << value;
    EXPECT_EQ(FindProfileValue(*text, "QxLaunch", "CD"), value);
  }
  EXPECT_FALSE(SetProfileValue("", "QxLaunch", "CD", "/x/\n[Other]"));
  for (const char* key : {"", "a=b", "a\nb", "[x", ";x", " CD"}) {
    EXPECT_FALSE(SetProfileValue("", "QxLaunch", key, "/x/")) << key;
  }
}

}  // namespace
}  // namespace korvex
