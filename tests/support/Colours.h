// The program's colours, as the tests look for them on the surfaces and paint
// them in their reference pictures.
#pragma once

#include <QColor>

#include "Values.h"

inline constexpr fw::Color kWhite{255, 255, 255};
inline constexpr fw::Color kBlack{0, 0, 0};
inline constexpr fw::Color kRed{255, 0, 0};
inline constexpr fw::Color kGrid{200, 200, 200};  // chart grid
inline constexpr fw::Color kDarkRed{180, 0, 0};   // first, second and third curve
inline constexpr fw::Color kDarkGreen{0, 180, 0};
inline constexpr fw::Color kDarkBlue{0, 0, 180};
inline constexpr fw::Color kCyan{230, 255, 255};   // blocks and junctions
inline constexpr fw::Color kPaper{255, 255, 235};  // block diagram background

inline QColor ToQ(fw::Color c) { return QColor(c.r, c.g, c.b); }
inline QRgb ToRgb(fw::Color c) { return qRgb(c.r, c.g, c.b); }
