// Borders and focus marks on device pixels, defined in DevicePixels.cpp for
// the toolkit's painting. Not part of the public interface.
#pragma once

#include <QColor>

class QPainter;
class QPalette;
class QRect;

namespace fw::detail {

// Borders on device pixels. At a fractional device pixel ratio (1.5) a
// widget's edges fall inside device pixels: the screen shows the widget's
// area rounded to whole device pixels, and a line drawn along a logical edge
// may land on the pixel just outside it and be lost. These work on the device
// pixels the widget does show, in the device coordinates of the painter.
// The device pixels that r, in the painter's own coordinates, shows on.
QRect DeviceRect(const QPainter& p, const QRect& r);
// Fills the device pixels d with the colour.
void FillDevicePixels(QPainter& p, const QRect& d, const QColor& colour);
// A frame line one device pixel thick, inset logical pixels inside r: its top
// and left in one colour, its bottom and right (drawn last) in the other.
void DrawFrameLine(QPainter& p, const QRect& r, int inset, const QColor& topLeft, const QColor& bottomRight);
// The colour of a focus mark: the outline the style gives a focused text
// field, dark enough against the window and a white control (over 4 : 1).
QColor FocusColour(const QPalette& palette);
// A focus mark: a band of width logical pixels (whole device pixels, at least
// one) along the inside of r, in FocusColour.
void DrawFocusMark(QPainter& p, const QRect& r, int width, const QPalette& palette);

}  // namespace fw::detail
