// Reference pictures of the block diagram, the equation blocks and the name
// labels, painted straight with Qt from the figures the program must show
// (positions, sizes, fonts, colours), at a device pixel ratio of 1 or 2. The
// tests compare a canvas's surface with them pixel by pixel.
#pragma once

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Blackbox.h"
#include "Canvas.h"
#include "Values.h"
#include "detail/ControlInternal.h"

namespace reference {

inline QColor Rgb(int r, int g, int b) { return QColor(r, g, b); }
inline const QColor kInk = Rgb(0, 0, 0);
inline const QColor kRed = Rgb(255, 0, 0);
inline const QColor kCyan = Rgb(230, 255, 255);
inline const QColor kPaper = Rgb(255, 255, 235);

// A picture of w x h canvas pixels, transparent, drawn in canvas pixels: one
// pixel wide aliased lines that cover the canvas pixels they pass through,
// smoothed text with its baseline at the given y.
class Picture {
 public:
  Picture(int w, int h, double ratio)
      : ratio_(ratio),
        image_(static_cast<int>(w * ratio), static_cast<int>(h * ratio), QImage::Format_ARGB32_Premultiplied) {
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::transparent);
  }

  void Rect(int l, int t, int w, int h, const QColor& c) { Painter().fillRect(QRect(l, t, w, h), c); }
  void Outline(int l, int t, int w, int h, const QColor& c) {
    Rect(l, t, w, 1, c);
    Rect(l, t + h - 1, w, 1, c);
    Rect(l, t, 1, h, c);
    Rect(l + w - 1, t, 1, h, c);
  }
  void Line(int x0, int y0, int x1, int y1, const QColor& c) {
    QPainter& p = Pen(c);
    const QPointF a = At(x0, y0), b = At(x1, y1);
    if (a != b) p.drawLine(QLineF(a, b));
    if (a == b || ratio_ != 1.0) {
      p.drawPoint(a);
      p.drawPoint(b);
    }
  }
  // The circle inscribed in the w x h box at (l, t).
  void Oval(int l, int t, int w, int h, const QColor& c, bool fill) {
    QPainter& p = Pen(c);
    p.setBrush(fill ? QBrush(c) : QBrush(Qt::NoBrush));
    p.drawEllipse(QRectF(At(l, t), QSizeF(w - 1, h - 1)));
  }
  void Polygon(const std::vector<QPoint>& corners, const QColor& c) {
    QPolygonF poly;
    for (const QPoint& k : corners) poly << At(k.x(), k.y());
    QPainter& p = Pen(c);
    p.setBrush(c);
    p.drawPolygon(poly, Qt::WindingFill);
  }
  void Text(const char* text, const char* font, double size, int x, int y, const QColor& c) {
    QPainter& p = Pen(c);
    p.setFont(fw::detail::MakeFont(font, static_cast<fw::Single>(size), false));
    p.drawText(QPoint(x, y), QString::fromUtf8(text));
  }
  // The advance of a text in a font, as measured for this picture.
  double Advance(const std::string& text, const char* font, double size) {
    return QFontMetricsF(fw::detail::MakeFont(font, static_cast<fw::Single>(size), false), &image_)
        .horizontalAdvance(QString::fromStdString(text));
  }
  const QImage& Image() {
    painter_.reset();
    return image_;
  }

 private:
  QPointF At(int x, int y) const { return ratio_ == 1.0 ? QPointF(x, y) : QPointF(x + 0.5, y + 0.5); }
  QPainter& Painter() {
    if (!painter_) {
      painter_ = std::make_unique<QPainter>(&image_);
      painter_->setRenderHint(QPainter::Antialiasing, false);
      painter_->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *painter_;
  }
  QPainter& Pen(const QColor& c) {
    QPen pen(c);
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    Painter().setPen(pen);
    return *painter_;
  }
  double ratio_;
  QImage image_;
  std::unique_ptr<QPainter> painter_;
};

// The block diagram on the panel for blocks whose right edges (diagram
// coordinates) are r1 and r2, both blocks starting at diagram x 125. The
// loop's right-hand line lies at Max(402, r1, r2) + 70, the panel is 20 wider
// and at least 600; everything is drawn in panel coordinates, the diagram's
// less (25, 55).
struct Diagram {
  int recMax, width;
};

inline Diagram DiagramFor(int r1, int r2) {
  const int recMax = std::max(402, std::max(r1, r2)) + 70;
  return {recMax, std::max(600, recMax + 20)};
}

// One arrow in diagram coordinates with its head, tip on the last point, base
// 15 behind it and 7.5 to either side, the corners converted to whole pixels.
inline void Arrow(Picture& p, int x0, int y0, int x1, int y1, int x2, int y2, char head) {
  const int dx = 25, dy = 55;
  p.Line(x0 - dx, y0 - dy, x1 - dx, y1 - dy, kInk);
  p.Line(x1 - dx, y1 - dy, x2 - dx, y2 - dy, kInk);
  const int tx = x2 - dx, ty = y2 - dy;
  const int lo = head == 'N' || head == 'S' ? fw::ToInteger(tx - 7.5) : fw::ToInteger(ty - 7.5);
  const int hi = head == 'N' || head == 'S' ? fw::ToInteger(tx + 7.5) : fw::ToInteger(ty + 7.5);
  switch (head) {
    case 'N': p.Polygon({{tx, ty}, {lo, ty + 15}, {hi, ty + 15}}, kInk); break;
    case 'S': p.Polygon({{tx, ty}, {lo, ty - 15}, {hi, ty - 15}}, kInk); break;
    case 'O': p.Polygon({{tx, ty}, {tx - 15, lo}, {tx - 15, hi}}, kInk); break;
    default: p.Polygon({{tx, ty}, {tx + 15, lo}, {tx + 15, hi}}, kInk); break;  // 'W'
  }
}

// A summing junction in the 42 x 42 box at (x, y), panel coordinates.
inline void Junction(Picture& p, int x, int y) {
  p.Oval(x, y, 42, 42, kCyan, true);
  p.Oval(x, y, 42, 42, kInk, false);
  p.Line(x + 7, y + 35, x + 35, y + 7, kInk);
  p.Line(x + 7, y + 7, x + 35, y + 35, kInk);
  p.Polygon({{x + 21, y + 21}, {x + 36, y + 6}, {x + 26, y + 1}, {x + 16, y + 1}, {x + 6, y + 6}}, kInk);
}

inline QImage PanelPicture(int r1, int r2, bool cut, double ratio) {
  const Diagram d = DiagramFor(r1, r2);
  const int rec = d.recMax, dx = 25, dy = 55;
  Picture p(d.width, 300, ratio);
  p.Rect(0, 0, d.width, 300, kPaper);
  p.Text("A", "Mistral", 50, d.width - 40, 40, kRed);
  if (cut) p.Rect(rec - 12 - dx, 229 - dy, 24, 6, kRed);
  Arrow(p, 51, 60, 51, 60, 51, 118, 'S');
  Arrow(p, 72, 140, 72, 140, 125, 140, 'O');
  Arrow(p, r1, 140, rec, 140, rec, cut ? 225 : 237, 'S');
  Arrow(p, rec, 340, rec, 340, rec, 281, 'N');
  Arrow(p, rec - 21, 260, rec - 21, 260, r2, 260, 'W');
  Arrow(p, 125, 260, 51, 260, 51, 161, 'N');
  struct Letter {
    const char* text;
    int x, y;
  };
  for (const Letter& l : {Letter{"w", 65, 83}, Letter{"e", 92, 130}, Letter{"y", rec - 26, 200},
                          Letter{"z", rec - 26, 320}, Letter{"u", rec - 42, 281}, Letter{"x", 92, 281}})
    p.Text(l.text, "System", 18, l.x - dx, l.y - dy, kInk);
  Junction(p, 30 - dx, 119 - dy);
  Junction(p, rec - 21 - dx, 239 - dy);
  return p.Image();
}

// The tokens' vertical offsets by position 1 to 43: subscripts 5 lower,
// the two exponents 7 higher.
inline std::vector<int> TokenOffsets() {
  std::vector<int> offsets = {0};
  std::istringstream list("0,5,0,-7,0,5,0,0,5,0,0,5,0,0,5,0,5,0,0,0,0,5,0,5,5,5,0,0,5,0,0,5,5,5,0,0,5,0,-7,0,5,5,5");
  for (std::string field; std::getline(list, field, ',');) offsets.push_back(std::stoi(field));
  return offsets;
}

// An equation block showing its tokens: light cyan with a black frame, 60
// high, the text from x 7 on at baseline 35 (+5 subscript, -7 exponent), size
// 21 on the baseline and 17 off it, each token advancing x by its width
// converted to whole pixels; the box ends 10 after the text.
inline QImage BlockPicture(const Blackbox& block, double ratio) {
  const std::vector<int> offsets = TokenOffsets();
  Picture meter(1, 1, ratio);
  auto size = [&](std::size_t i) { return offsets[i] != 0 ? 17.0 : 21.0; };
  int width = 7;
  for (std::size_t i = 1; i < offsets.size(); ++i)
    width += fw::ToInteger(meter.Advance(block.chc[i], "minion pro", size(i)));
  width += 10;
  Picture p(width, 60, ratio);
  p.Rect(0, 0, width, 60, kCyan);
  p.Outline(0, 0, width, 60, kInk);
  int x = 7;
  for (std::size_t i = 1; i < offsets.size(); ++i) {
    p.Text(block.chc[i].c_str(), "minion pro", size(i), x, 35 + offsets[i], kInk);
    x += fw::ToInteger(p.Advance(block.chc[i], "minion pro", size(i)));
  }
  return p.Image();
}

// A parameter-name label, 33 x 30: the letter at size 24 with its baseline at
// (0, 25) and the index digit at size 20 at (15, 30), in "times"; the dead
// time's label a blank and τ at size 24 at (0, 25).
inline QImage NameLabelPicture(int k, double ratio) {
  static const char* const kNames[] = {"T2", "T1", "T0", "K0", "K1", "K2"};
  Picture p(33, 30, ratio);
  if (k == 6) {
    p.Text(" \u03c4", "times", 24, 0, 25, kInk);
  } else {
    const std::string name = kNames[k];
    p.Text(name.substr(0, 1).c_str(), "times", 24, 0, 25, kInk);
    p.Text(name.substr(1).c_str(), "times", 20, 15, 30, kInk);
  }
  return p.Image();
}

// A canvas's picture over its current size (the surface may be larger).
inline QImage Shown(const fw::Canvas& c) {
  const double r = c.DeviceRatio();
  return c.Surface().copy(0, 0, static_cast<int>(c.Width() * r), static_cast<int>(c.Height() * r));
}

// A block's right edge in diagram coordinates: the panel stands at window
// x 10, and diagram x = panel x + 25.
inline int RightEdge(const Blackbox& b) { return b.Left() - 10 + 25 + b.Width(); }

// Where two pictures differ: the number of pixels and the first few places.
inline std::string Differences(const QImage& got, const QImage& want) {
  if (got.size() != want.size()) {
    std::ostringstream s;
    s << "size " << got.width() << "x" << got.height() << ", want " << want.width() << "x" << want.height();
    return s.str();
  }
  std::ostringstream s;
  int n = 0;
  for (int y = 0; y < want.height(); ++y)
    for (int x = 0; x < want.width(); ++x)
      if (got.pixel(x, y) != want.pixel(x, y) && ++n <= 5)
        s << " (" << x << "," << y << ") " << std::hex << got.pixel(x, y) << " want " << want.pixel(x, y) << std::dec;
  if (n == 0) return "";
  return std::to_string(n) + " pixels differ:" + s.str();
}

}  // namespace reference
