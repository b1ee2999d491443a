#include "chart/windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace vorelim {
namespace {

bool IsUndefined(int byte) {
  return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

TEST(windows1252_test, decodes_sample_bytes) {
  struct Row {
    unsigned char byte;
    std::string utf8;
  } rows[] = {
      {0x00, std::string(1, '\0')},
      {0x41, "A"},
      {0x7F, "\x7f"},
      {0x80, "€"},
      {0x82, "‚"},
      {0x8A, "Š"},
      {0x8C, "Œ"},
      {0x8E, "Ž"},
      {0x91, "‘"},
      {0x96, "–"},
      {0x99, "™"},
      {0x9F, "Ÿ"},
      {0xA0, "\u00a0"},
      {0xC3, "Ã"},
      {0xC7, "Ç"},
      {0xE9, "é"},
      {0xFF, "ÿ"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DecodeWindows1252(std::string(1, static_cast<char>(row.byte))), row.utf8)
        << std::hex << int{row.byte};
  }
}

TEST(windows1252_test, undefined_bytes_decode_to_replacement_character) {
  for (int byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    EXPECT_EQ(DecodeWindows1252(std::string(1, static_cast<char>(byte))), "\uFFFD") << byte;
  }
}

TEST(windows1252_test, every_defined_byte_round_trips) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) {
    if (IsUndefined(byte)) continue;
    const std::string one(1, static_cast<char>(byte));
    const std::string utf8 = DecodeWindows1252(one);
    EXPECT_NE(utf8, "\uFFFD") << byte;
    EXPECT_EQ(EncodeWindows1252(utf8), one) << byte;
    all += one;
  }
  EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
}

TEST(windows1252_test, encodes_portuguese_text) {
  EXPECT_EQ(EncodeWindows1252("JOÃO CONCEIÇÃO"), "JO\xc3O CONCEI\xc7\xc3O");
  EXPECT_EQ(EncodeWindows1252(""), "");
}

TEST(windows1252_test, refuses_invalid_utf8_and_unrepresentable_characters) {
  struct Row {
    const char* name;
    std::string utf8;
  } rows[] = {
      {"stray continuation byte", "a\x80"},
      {"raw Latin-1 byte", "\xe9"},
      {"truncated two-byte sequence", "\xc3"},
      {"truncated three-byte sequence", "\xe2\x82"},
      {"overlong NUL", "\xc0\x80"},
      {"overlong slash", "\xe0\x80\xaf"},
      {"surrogate", "\xed\xa0\x80"},
      {"beyond U+10FFFF", "\xf4\x90\x80\x80"},
      {"invalid lead byte", "\xff"},
      {"C1 control U+0081", "\xc2\x81"},
      {"C1 control U+0080", "\xc2\x80"},
      {"Latin Extended A", "\xc4\x80"},
      {"replacement character", "\uFFFD"},
      {"Greek", "Ω"},
      {"emoji", "\U0001F600"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(EncodeWindows1252(row.utf8), std::nullopt) << row.name;
    EXPECT_FALSE(IsWindows1252Representable(row.utf8)) << row.name;
  }
}

}  // namespace
}  // namespace vorelim
