// The text rules of a list box, apart from the toolkit: how a number is
// written shorter, what a cell puts on the clipboard, how wide each column is.
#pragma once

#include <string_view>
#include <vector>

#include "Values.h"

namespace fw {

// A number in at most that many significant digits (1 to 17), the exponent
// written short: "1.2346e5", "-3e38", "0.0012". As the toolkit writes
// numbers: a tie rounds away from zero ("0.125" to 2 digits is "0.13"), minus
// zero is "0".
String ShortNumber(Double v, int digits);

// A cell's text for the clipboard: without the blanks around it (also the
// wide ones, as U+00A0 and U+3000), and with no tab or line break inside that
// would split it.
String CopiedCell(std::string_view cell);

// The width in pixels of each of that many columns, from a comma-separated
// text with one entry per column from column 0: pixels ("40"), or a share of
// the available width ("25%"); "*", an empty entry and a column without an
// entry share what the others leave in equal parts. Blanks around an entry
// are skipped. An entry's width lies within 0..largest.
std::vector<int> ColumnPixelWidths(std::string_view widths, int columns, int available, int largest);

}  // namespace fw
