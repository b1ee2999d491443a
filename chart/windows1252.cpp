#include "chart/windows1252.h"

#include <array>
#include <cstdint>

namespace vorelim {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of the bytes 0x80..0x9F; the five bytes the code page leaves undefined read as
// U+FFFD.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC,       kReplacement, 0x201A, 0x0192,
    0x201E,       0x2026,       0x2020, 0x2021,  // 80..87
    0x02C6,       0x2030,       0x0160, 0x2039,
    0x0152,       kReplacement, 0x017D, kReplacement,  // 88..8F
    kReplacement, 0x2018,       0x2019, 0x201C,
    0x201D,       0x2022,       0x2013, 0x2014,  // 90..97
    0x02DC,       0x2122,       0x0161, 0x203A,
    0x0153,       kReplacement, 0x017E, 0x0178,  // 98..9F
};

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    // Every code point of the code page lies in the Basic Multilingual Plane.
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// The byte for a code point, or -1 when the code page has none. U+0080..U+009F (C1 controls) have
// no byte: those byte values stand for the characters of kHighControls.
int ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  if (cp == kReplacement) return -1;
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
  }
  return -1;
}

// Decodes one UTF-8 sequence at text[pos]; returns false on malformed input (overlong forms,
// surrogates, values above U+10FFFF, truncated sequences, stray continuation bytes).
bool NextCodePoint(std::string_view text, std::size_t& pos, char32_t& cp) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(pos);
  int extra;
  char32_t min;
  if (lead < 0x80) {
    cp = lead;
    ++pos;
    return true;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, min = 0x80, cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, min = 0x800, cp = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, min = 0x10000, cp = lead & 0x07;
  } else {
    return false;
  }
  if (text.size() - pos <= static_cast<std::size_t>(extra)) return false;
  for (int i = 1; i <= extra; ++i) {
    unsigned char next = byte(pos + i);
    if ((next & 0xC0) != 0x80) return false;
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
  pos += extra + 1;
  return true;
}

}  // namespace

std::string DecodeWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

std::optional<std::string> EncodeWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp;
    if (!NextCodePoint(utf8, pos, cp)) return std::nullopt;
    int b = ByteOf(cp);
    if (b < 0) return std::nullopt;
    out.push_back(static_cast<char>(b));
  }
  return out;
}

bool IsWindows1252Representable(std::string_view utf8) {
  return EncodeWindows1252(utf8).has_value();
}

std::size_t Utf8SequenceLength(std::string_view text) {
  std::size_t pos = 0;
  char32_t cp = 0;
  if (text.empty() || !NextCodePoint(text, pos, cp)) return 0;
  return pos;
}

}  // namespace vorelim
