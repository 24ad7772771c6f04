// Drawing on a canvas's surface: colour, text attributes, lines, shapes, text.
#pragma once

#include <vector>

#include "Values.h"

class QPainter;

namespace fw {

class Canvas;

// A drawing context on a canvas's persistent surface. Every operation draws on
// the surface at once, through the canvas's shared painter (see Canvas); the
// state (colour, font, size) belongs to this object. Coordinates are the
// canvas's own pixels at any device pixel ratio; text is smoothed, lines and
// shapes are not.
// A new Graphics starts black, in the default font ("System") at the default
// size. It follows the canvas's surface through resizes.
class Graphics {
 public:
  explicit Graphics(Canvas& canvas);

  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color c) { foreColor_ = c; }
  const String& TextFont() const { return textFont_; }
  void SetTextFont(const String& family) { textFont_ = family; }
  // Text size in pixels; 0 is the default size.
  Single TextSize() const { return textSize_; }
  void SetTextSize(Single pixels) { textSize_ = pixels; }
  bool Bold() const { return bold_; }
  void SetBold(bool b) { bold_ = b; }

  Integer Width() const;
  Integer Height() const;

  // Text with its baseline at y, on one line.
  void DrawString(const String& text, Integer x, Integer y);
  // The advance width of text in the current font and size, in pixels.
  Double StringWidth(const String& text) const;

  void DrawLine(Integer x1, Integer y1, Integer x2, Integer y2);
  // Lines from point to point: xy holds x, y pairs from element 0 (a last x
  // without its y is left out). The same pixels as DrawLine between each
  // point and the next, at less cost for a long run of them.
  void DrawPolyline(const std::vector<Integer>& xy);
  // Separate lines: ends holds x1, y1, x2, y2 of each line from element 0 (an
  // incomplete last line is left out). The same pixels as DrawLine for each,
  // at less cost for many of them.
  void DrawLines(const std::vector<Integer>& ends);
  // Rectangles and ovals take left, top, width, height; the outline lies
  // inside that area.
  void DrawRect(Integer left, Integer top, Integer width, Integer height);
  void FillRect(Integer left, Integer top, Integer width, Integer height);
  void DrawOval(Integer left, Integer top, Integer width, Integer height);
  void FillOval(Integer left, Integer top, Integer width, Integer height);
  // points: element 0 is not used, then x, y pairs of the vertices.
  void FillPolygon(const std::vector<Integer>& points);

 private:
  // The canvas's painter, its pen in this object's colour.
  QPainter& Painter();
  // Whether the surface has more than one device pixel per canvas pixel.
  bool Scaled() const;
  void PaintOval(Integer left, Integer top, Integer width, Integer height, bool fill);

  Canvas* canvas_;
  Color foreColor_{0, 0, 0};
  String textFont_ = "System";
  Single textSize_ = 0;
  bool bold_ = false;
};

}  // namespace fw
