#include "ListText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fw {

String ShortNumber(Double v, int digits) {
  if (std::isnan(v)) return "nan";
  if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
  if (v == 0) return "0";
  const auto p = static_cast<std::size_t>(std::clamp(digits, 1, 17));
  // The exact decimal digits of |v| (a double has at most 767 of them),
  // rounded by hand: the C library would round a tie to even.
  char exact[840];
  std::snprintf(exact, sizeof exact, "%.800e", std::fabs(v));
  const char* e = std::strchr(exact, 'e');
  int exponent = std::atoi(e + 1);
  String kept = String(1, exact[0]) + String(exact + 2, exact + 2 + (p - 1));
  if (exact[p + 1] >= '5') {
    std::size_t i = kept.size();
    while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
    if (i == 0) {
      kept.insert(kept.begin(), '1');
      kept.pop_back();
      ++exponent;
    } else {
      ++kept[i - 1];
    }
  }
  while (kept.size() > 1 && kept.back() == '0') kept.pop_back();
  String t = v < 0 ? "-" : "";
  // Fixed or with an exponent, as C's %g chooses.
  if (exponent < -4 || exponent >= static_cast<int>(p)) {
    t += kept.front();
    if (kept.size() > 1) t += "." + kept.substr(1);
    t += "e" + std::to_string(exponent);
  } else if (exponent < 0) {
    t += "0." + String(static_cast<std::size_t>(-exponent - 1), '0') + kept;
  } else {
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (kept.size() <= whole) {
      t += kept + String(whole - kept.size(), '0');
    } else {
      t += kept.substr(0, whole) + "." + kept.substr(whole);
    }
  }
  return t;
}

namespace {

// The blanks that the clipboard text goes without at either end: the ASCII
// ones and Unicode's separators.
bool IsBlank(char32_t c) {
  return c == ' ' || (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// The character that the UTF-8 bytes from at to end start with, and its
// length; a byte that starts no whole character reads as none (0).
char32_t Decode(std::string_view s, std::size_t at, std::size_t end, std::size_t& length) {
  const auto b = static_cast<unsigned char>(s[at]);
  length = 1;
  if (b < 0x80) return b;
  std::size_t n = 0;
  char32_t c = 0;
  if ((b & 0xE0) == 0xC0) {
    n = 2;
    c = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    n = 3;
    c = b & 0x0F;
  } else {
    return 0;  // the blanks lie below U+10000
  }
  if (end - at < n) return 0;
  for (std::size_t i = 1; i < n; ++i) {
    const auto next = static_cast<unsigned char>(s[at + i]);
    if ((next & 0xC0) != 0x80) return 0;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < (n == 2 ? 0x80u : 0x800u)) return 0;  // written longer than needed
  length = n;
  return c;
}

}  // namespace

String CopiedCell(std::string_view cell) {
  std::size_t begin = 0, end = cell.size();
  std::size_t length = 0;
  while (begin < end && IsBlank(Decode(cell, begin, end, length))) begin += length;
  while (begin < end) {
    std::size_t last = end - 1;
    while (last > begin && (static_cast<unsigned char>(cell[last]) & 0xC0) == 0x80 && end - last < 3) --last;
    if (!IsBlank(Decode(cell, last, end, length)) || last + length != end) break;
    end = last;
  }
  String t(cell.substr(begin, end - begin));
  std::replace_if(
      t.begin(), t.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
  return t;
}

std::vector<int> ColumnPixelWidths(std::string_view widths, int columns, int available, int largest) {
  const int n = std::max(0, columns);
  std::vector<int> width(static_cast<std::size_t>(n), -1);
  int fixed = 0, flexible = 0;
  for (int i = 0; i < n; ++i) {
    const String field = NthField(widths, ",", i + 1);
    std::string_view t = field;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    int w = -1;
    if (!t.empty() && t != "*") {
      if (t.back() == '%') {
        w = ToInteger(Val(t.substr(0, t.size() - 1)) * available / 100.0);
      } else {
        w = ToInteger(Val(t));
      }
      w = std::clamp(w, 0, largest);
    }
    width[static_cast<std::size_t>(i)] = w;
    if (w < 0) {
      ++flexible;
    } else {
      fixed += w;
    }
  }
  const int share = flexible > 0 ? std::max(0, available - fixed) / flexible : 0;
  for (int& w : width) {
    if (w < 0) w = share;
  }
  return width;
}

}  // namespace fw
