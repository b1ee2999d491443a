// Fuzz target: the Windows-1252 conversion both ways, on the same input read once as code-page
// bytes and once as UTF-8 text.
//
// Bytes -> text -> bytes gives back the bytes, except that the five bytes the code page leaves
// undefined decode to U+FFFD, which has no byte, so such texts are refused. Text -> bytes either
// refuses or gives bytes that decode to exactly the same text: nothing is ever silently changed.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_file.h"
#include "chart/windows1252.h"
#include "fuzz_check.h"
#include "utf8_check.h"

namespace {

bool IsUndefined(unsigned char byte) {
  return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

void BytesToTextAndBack(std::string_view bytes) {
  const std::string text = vorelim::DecodeWindows1252(bytes);
  FUZZ_CHECK(vorelim::fuzz::IsValidUtf8(text));
  FUZZ_CHECK(text.size() >= bytes.size() && text.size() <= 3 * bytes.size());
  const bool undefined = std::any_of(bytes.begin(), bytes.end(), [](char c) {
    return IsUndefined(static_cast<unsigned char>(c));
  });
  const std::optional<std::string> again = vorelim::EncodeWindows1252(text);
  FUZZ_CHECK(again.has_value() == !undefined);
  FUZZ_CHECK(vorelim::IsWindows1252Representable(text) == !undefined);
  if (again) FUZZ_CHECK(*again == bytes);
}

void TextToBytesAndBack(std::string_view text) {
  const std::optional<std::string> bytes = vorelim::EncodeWindows1252(text);
  FUZZ_CHECK(vorelim::IsWindows1252Representable(text) == bytes.has_value());
  if (!bytes) return;
  FUZZ_CHECK(vorelim::fuzz::IsValidUtf8(text));
  FUZZ_CHECK(bytes->size() <= text.size());
  FUZZ_CHECK(vorelim::DecodeWindows1252(*bytes) == text);
  // The chart name check agrees with the conversion: a name refused for its characters is
  // refused before the conversion is tried, and a representable one is never "NotWindows1252".
  FUZZ_CHECK(vorelim::CheckChartName(text) != vorelim::NameProblem::NotWindows1252);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  BytesToTextAndBack(input);
  TextToBytesAndBack(input);
  // A name without a code-page form (invalid UTF-8 included) is refused, never approximated.
  if (!vorelim::EncodeWindows1252(input)) {
    FUZZ_CHECK(vorelim::CheckChartName(input) != vorelim::NameProblem::None);
  }
  return 0;
}
