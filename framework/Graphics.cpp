#include "Graphics.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPolygonF>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Canvas.h"
#include "detail/ControlInternal.h"

namespace fw {

namespace {

// Coordinates and extents handed to the painter stay well inside what its
// rasterizer handles exactly; anything beyond lies far off every surface.
constexpr Integer kDrawLimit = 100000;
int C(Integer v) { return std::clamp<Integer>(v, -kDrawLimit, kDrawLimit); }
int Extent(Integer v) { return std::clamp<Integer>(v, 0, 2 * kDrawLimit); }

// Lines, outlines and polygon edges are one canvas pixel wide and aliased.
// At a ratio above 1 a line through the canvas pixel x must cover the device
// pixels of that canvas pixel: its centre lies half a canvas pixel further on.
constexpr double kStrokeCentre = 0.5;

// Whether the square caps of such a line cover the device pixels of its end
// points. At a ratio k the device pixels of an end lie within (k - 1) / 2 of
// its centre on either axis, the cap reaches k / 2 from it in every
// direction: all of them lie inside for k of 2 and 3, whatever the line's
// direction. At a ratio like 1.5 an end pixel's edge lies on the cap's edge.
bool CapsCoverEnds(double ratio) { return ratio == 2 || ratio == 3; }

}  // namespace

Graphics::Graphics(Canvas& canvas) : canvas_(&canvas) {}

QPainter& Graphics::Painter() {
  QPainter& p = canvas_->Painter();
  if (!canvas_->penSet_ || canvas_->penColor_ != foreColor_) {
    const QColor c = detail::ToQColor(foreColor_);
    QPen pen(c);
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    canvas_->penColor_ = foreColor_;
    canvas_->penSet_ = true;
  }
  return p;
}

bool Graphics::Scaled() const { return canvas_->DeviceRatio() != 1.0; }

Integer Graphics::Width() const { return canvas_->Width(); }
Integer Graphics::Height() const { return canvas_->Height(); }

void Graphics::DrawString(const String& text, Integer x, Integer y) {
  if (text.empty()) return;
  QPainter& p = Painter();
  canvas_->Touch(0, 0, canvas_->Width() - 1, canvas_->Height() - 1);
  p.setFont(detail::MakeFont(textFont_, textSize_, bold_));
  p.drawText(QPoint(C(x), C(y)), detail::ToQ(text));
}

Double Graphics::StringWidth(const String& text) const {
  if (text.empty()) return 0;
  // Measured for the surface (its resolution), without ending the painter.
  const QFontMetricsF fm(detail::MakeFont(textFont_, textSize_, bold_), canvas_->surface_.get());
  return fm.horizontalAdvance(detail::ToQ(text));
}

void Graphics::DrawLine(Integer x1, Integer y1, Integer x2, Integer y2) {
  QPainter& p = Painter();
  const QPoint a(C(x1), C(y1)), b(C(x2), C(y2));
  canvas_->Touch(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y()));
  if (Scaled()) {
    // Both end points belong to the line: the line's square caps do not
    // always cover all the device pixels of an end.
    const QPointF o(kStrokeCentre, kStrokeCentre);
    const QPointF ends[2] = {QPointF(a) + o, QPointF(b) + o};
    if (a != b) p.drawLine(QLineF(ends[0], ends[1]));
    if (a == b || !CapsCoverEnds(canvas_->DeviceRatio())) p.drawPoints(ends, 2);
    return;
  }
  if (a.x() == b.x() || a.y() == b.y()) {
    // An upright or level line is the rectangle of its pixels, both ends included.
    p.fillRect(QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                     QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))),
               detail::ToQColor(foreColor_));
    return;
  }
  p.drawLine(a, b);
  // Both end points belong to the line. The rasterizer draws them itself for
  // a line that lies on the canvas, not always for one that the canvas cuts.
  const QRect canvas(0, 0, canvas_->Width(), canvas_->Height());
  if (!canvas.contains(a) || !canvas.contains(b)) {
    p.drawPoint(a);
    p.drawPoint(b);
  }
}

void Graphics::DrawPolyline(const std::vector<Integer>& xy) {
  const std::size_t n = xy.size() / 2;
  if (n == 0) return;
  if (n == 1) {
    DrawLine(xy[0], xy[1], xy[0], xy[1]);
    return;
  }
  int left = C(xy[0]), top = C(xy[1]), right = left, bottom = top;
  for (std::size_t i = 1; i < n; ++i) {
    left = std::min(left, C(xy[2 * i]));
    right = std::max(right, C(xy[2 * i]));
    top = std::min(top, C(xy[2 * i + 1]));
    bottom = std::max(bottom, C(xy[2 * i + 1]));
  }
  canvas_->Touch(left, top, right, bottom);
  if (Scaled()) {
    // In one call each: the segments, and as points every point where the
    // segments' caps may miss some of its pixels (both ends belong to each
    // segment, as in DrawLine).
    const QPointF o(kStrokeCentre, kStrokeCentre);
    std::vector<QLineF> lines;
    std::vector<QPointF> dots;
    lines.reserve(n - 1);
    dots.reserve(n);
    const bool capsCoverEnds = CapsCoverEnds(canvas_->DeviceRatio());
    QPoint a(C(xy[0]), C(xy[1]));
    if (!capsCoverEnds) dots.push_back(QPointF(a) + o);
    for (std::size_t i = 1; i < n; ++i) {
      const QPoint b(C(xy[2 * i]), C(xy[2 * i + 1]));
      if (a != b) {
        lines.emplace_back(a + o, b + o);
        if (!capsCoverEnds) dots.push_back(QPointF(b) + o);
      }
      a = b;
    }
    // A run of one point only: the point.
    if (lines.empty() && dots.empty()) dots.push_back(QPointF(a) + o);
    QPainter& p = Painter();
    if (!lines.empty()) p.drawLines(lines.data(), static_cast<int>(lines.size()));
    if (!dots.empty()) p.drawPoints(dots.data(), static_cast<int>(dots.size()));
    return;
  }
  // In one call each: the segments as separate lines, each rasterized as
  // DrawLine's single line is (a polyline would join them differently), and
  // as points the pixels that need no line: a segment to a neighbouring
  // pixel is its two ends, and the ends that DrawLine adds to a line that the
  // canvas cuts.
  const int w = canvas_->Width(), h = canvas_->Height();
  const auto onCanvas = [w, h](QPoint v) { return v.x() >= 0 && v.x() < w && v.y() >= 0 && v.y() < h; };
  std::vector<QLine> lines;
  std::vector<QPoint> dots;
  const auto dot = [&dots](QPoint v) {
    if (dots.empty() || dots.back() != v) dots.push_back(v);
  };
  QPoint a(C(xy[0]), C(xy[1]));
  for (std::size_t i = 1; i < n; ++i) {
    const QPoint b(C(xy[2 * i]), C(xy[2 * i + 1]));
    const bool neighbours = std::abs(b.x() - a.x()) <= 1 && std::abs(b.y() - a.y()) <= 1;
    if (!neighbours) lines.emplace_back(a, b);
    if (neighbours || !onCanvas(a) || !onCanvas(b)) {
      dot(a);
      dot(b);
    }
    a = b;
  }
  QPainter& p = Painter();
  if (!lines.empty()) p.drawLines(lines.data(), static_cast<int>(lines.size()));
  if (!dots.empty()) p.drawPoints(dots.data(), static_cast<int>(dots.size()));
}

void Graphics::DrawLines(const std::vector<Integer>& ends) {
  const std::size_t n = ends.size() / 4;
  if (!Scaled()) {
    for (std::size_t i = 0; i < n; ++i) DrawLine(ends[4 * i], ends[4 * i + 1], ends[4 * i + 2], ends[4 * i + 3]);
    return;
  }
  if (n == 0) return;
  // In one call each, as DrawLine draws them one by one: the lines, and both
  // ends of each as points where the caps may miss some of their pixels.
  const QPointF o(kStrokeCentre, kStrokeCentre);
  std::vector<QLineF> lines;
  std::vector<QPointF> dots;
  lines.reserve(n);
  dots.reserve(2 * n);
  const bool capsCoverEnds = CapsCoverEnds(canvas_->DeviceRatio());
  int left = C(ends[0]), top = C(ends[1]), right = left, bottom = top;
  for (std::size_t i = 0; i < n; ++i) {
    const QPoint a(C(ends[4 * i]), C(ends[4 * i + 1])), b(C(ends[4 * i + 2]), C(ends[4 * i + 3]));
    left = std::min({left, a.x(), b.x()});
    right = std::max({right, a.x(), b.x()});
    top = std::min({top, a.y(), b.y()});
    bottom = std::max({bottom, a.y(), b.y()});
    if (a != b) lines.emplace_back(a + o, b + o);
    if (a == b || !capsCoverEnds) {
      dots.push_back(QPointF(a) + o);
      dots.push_back(QPointF(b) + o);
    }
  }
  canvas_->Touch(left, top, right, bottom);
  QPainter& p = Painter();
  if (!lines.empty()) p.drawLines(lines.data(), static_cast<int>(lines.size()));
  if (!dots.empty()) p.drawPoints(dots.data(), static_cast<int>(dots.size()));
}

void Graphics::DrawRect(Integer left, Integer top, Integer width, Integer height) {
  const int w = Extent(width), h = Extent(height);
  if (w == 0 || h == 0) return;
  const int l = C(left), t = C(top);
  QPainter& p = Painter();
  canvas_->Touch(l, t, l + w - 1, t + h - 1);
  const QColor c = detail::ToQColor(foreColor_);
  // The outline is the outermost ring of pixels of the area.
  p.fillRect(QRect(l, t, w, 1), c);
  p.fillRect(QRect(l, t + h - 1, w, 1), c);
  p.fillRect(QRect(l, t, 1, h), c);
  p.fillRect(QRect(l + w - 1, t, 1, h), c);
}

void Graphics::FillRect(Integer left, Integer top, Integer width, Integer height) {
  const int w = Extent(width), h = Extent(height);
  if (w == 0 || h == 0) return;
  Painter().fillRect(QRect(C(left), C(top), w, h), detail::ToQColor(foreColor_));
  canvas_->Touch(C(left), C(top), C(left) + w - 1, C(top) + h - 1);
}

void Graphics::DrawOval(Integer left, Integer top, Integer width, Integer height) {
  PaintOval(left, top, width, height, false);
}

void Graphics::FillOval(Integer left, Integer top, Integer width, Integer height) {
  PaintOval(left, top, width, height, true);
}

// An oval in the area, outlined or filled; one of at most 2 pixels across
// fills its area.
void Graphics::PaintOval(Integer left, Integer top, Integer width, Integer height, bool fill) {
  const int w = Extent(width), h = Extent(height);
  if (w == 0 || h == 0) return;
  QPainter& p = Painter();
  canvas_->Touch(C(left), C(top), C(left) + w - 1, C(top) + h - 1);
  const QColor c = detail::ToQColor(foreColor_);
  if (w <= 2 || h <= 2) {
    p.fillRect(QRect(C(left), C(top), w, h), c);
    return;
  }
  p.setBrush(fill ? QBrush(c) : QBrush(Qt::NoBrush));
  if (Scaled()) {
    p.drawEllipse(QRectF(C(left) + kStrokeCentre, C(top) + kStrokeCentre, w - 1, h - 1));
  } else {
    p.drawEllipse(QRect(C(left), C(top), w - 1, h - 1));
  }
}

void Graphics::FillPolygon(const std::vector<Integer>& points) {
  // Element 0 carries no point; a last element without its partner is left out.
  if (points.size() < 3) return;
  QPolygonF poly;
  const double o = Scaled() ? kStrokeCentre : 0.0;
  for (std::size_t i = 1; i + 1 < points.size(); i += 2) poly << QPointF(C(points[i]) + o, C(points[i + 1]) + o);
  QPainter& p = Painter();
  const QRect bounds = poly.boundingRect().toAlignedRect();
  canvas_->Touch(bounds.left(), bounds.top(), bounds.right(), bounds.bottom());
  p.setBrush(detail::ToQColor(foreColor_));
  if (poly.size() == 1) {
    p.drawPoint(poly[0]);
  } else if (poly.size() == 2) {
    p.drawLine(poly[0], poly[1]);
    p.drawPoint(poly[1]);
  } else {
    p.drawPolygon(poly, Qt::WindingFill);
  }
}

}  // namespace fw
