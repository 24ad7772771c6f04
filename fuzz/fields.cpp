// The field functions on any texts: no crash, and the fields put back
// together with their separator give the text again.
#include <limits>
#include <string>
#include <string_view>

#include "Fuzz.h"

namespace {

// Occurrences of find in text, left to right, not overlapping.
std::size_t Occurrences(std::string_view text, std::string_view find) {
  std::size_t count = 0;
  for (auto pos = text.find(find); pos != std::string_view::npos; pos = text.find(find, pos + find.size())) ++count;
  return count;
}

bool ValidUtf8Scalar(const std::string& s) {
  if (s.empty() || s.size() > 4) return false;
  const auto lead = static_cast<unsigned char>(s[0]);
  const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length != s.size()) return false;
  for (std::size_t i = 1; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const std::string separator = data.ConsumeRandomLengthString(8);
  const std::string replacement = data.ConsumeRandomLengthString(8);
  const auto n = fuzz::AnyInteger(data, -2, 40);
  const auto code = fuzz::AnyInteger(data, -2, 0x110001);
  const std::string text = data.ConsumeRemainingBytesAsString();
  const std::string what = "text \"" + text + "\", separator \"" + separator + "\"";

  const fw::Integer count = fw::CountFields(text, separator);
  if (text.empty()) {
    FUZZ_CHECK(count == 0, what);
  } else if (separator.empty()) {
    FUZZ_CHECK(count == 1, what);
  } else {
    FUZZ_CHECK(static_cast<std::size_t>(count) == Occurrences(text, separator) + 1, what);
  }

  // The fields joined by the separator are the text again; joined by another
  // text they are what ReplaceAll makes of it.
  if (!separator.empty()) {
    std::string joined, replaced;
    for (fw::Integer i = 1; i <= count; ++i) {
      const std::string field = fw::NthField(text, separator, i);
      joined += (i > 1 ? separator : "") + field;
      replaced += (i > 1 ? replacement : "") + field;
    }
    FUZZ_CHECK(joined == text, what);
    FUZZ_CHECK(fw::ReplaceAll(text, separator, replacement) == replaced, what);
  } else {
    FUZZ_CHECK(fw::ReplaceAll(text, separator, replacement) == text, what);
  }
  FUZZ_CHECK(fw::NthField(text, separator, 0).empty(), what);
  if (count < std::numeric_limits<fw::Integer>::max())
    FUZZ_CHECK(fw::NthField(text, separator, count + 1).empty(), what);
  const std::string field = fw::NthField(text, separator, n);
  FUZZ_CHECK(field.size() <= text.size() && text.find(field) != std::string::npos, what);
  FUZZ_CHECK((n >= 1 && n <= count) || field.empty(), what + ", field " + std::to_string(n));

  const std::string character = fw::Chr(code);
  const bool valid = code >= 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
  FUZZ_CHECK(valid ? ValidUtf8Scalar(character) : character.empty(), "code " + std::to_string(code));
  return 0;
}
