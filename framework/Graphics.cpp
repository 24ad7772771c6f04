#include "Graphics.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPolygonF>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <unordered_map>

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

// The largest oval (canvas pixels a side) that is drawn from a stamp.
constexpr int kMaxStampedOval = 32;

// An oval in the area as the painter draws it, outlined or filled, in the
// pen's colour (an area of at least 3 pixels a side).
void PlainOval(QPainter& p, QRect area, bool scaled, bool fill) {
  p.setBrush(fill ? QBrush(p.pen().color()) : QBrush(Qt::NoBrush));
  if (scaled) {
    p.drawEllipse(QRectF(area.left() + kStrokeCentre, area.top() + kStrokeCentre, area.width() - 1, area.height() - 1));
  } else {
    p.drawEllipse(QRect(area.left(), area.top(), area.width() - 1, area.height() - 1));
  }
}

// Small shapes drawn again and again (the lines between neighbouring pixels
// of a curve, its points, the rings) cost the painter far more than the few
// device pixels they set. Where `period` canvas pixels are a whole number
// (`step`) of device pixels (1 at ratio 1 and 2, 2 at ratio 1.5), a line
// or an oval moved by `period` canvas pixels is the same device pixels moved
// by `step`: the painter draws each shape once, in each of the period x
// period places within a period, on a scratch image, and the device pixels
// it set are written straight into the surface from then on, in the pen's
// colour (always opaque). A point is the exception at a ratio like 1.5: there
// the painter decides the pixels on a point's edge by the column it lies in,
// not by its place within a period, so the points are learned column by
// column, a row of them at a time.
struct Stamp {
  std::vector<QPoint> pixels;  // from the device pixel of the origin of the shape's period
  QRect bounds;
};

class Stamps {
 public:
  // The stamps of a ratio: at 1, 1.5 and 2, where the tests hold them to the
  // painter's pixels; none at any other.
  static Stamps* For(double ratio) {
    static std::vector<std::unique_ptr<Stamps>> known;
    for (const auto& s : known)
      if (s->ratio_ == ratio) return s.get();
    if (ratio != 1 && ratio != 1.5 && ratio != 2) return nullptr;
    known.push_back(std::unique_ptr<Stamps>(new Stamps(ratio, ratio == 1.5 ? 2 : 1)));
    return known.back().get();
  }

  // The line (ends not included) from a to its neighbouring canvas pixel a + d.
  const Stamp& Line(QPoint a, QPoint d) {
    std::optional<Stamp>& s = lines_[static_cast<std::size_t>(Phase(a) * 9 + (d.y() + 1) * 3 + (d.x() + 1))];
    if (!s) {
      s = Learn(QSize(3, 3), Phase(a), [d](QPainter& p, QPoint at) {
        const QPointF o(kStrokeCentre, kStrokeCentre);
        p.drawLine(QLineF(QPointF(at) + o, QPointF(at + d) + o));
      });
    }
    return *s;
  }

  // The point at a; null left of the surface or beyond the widest one.
  const Stamp* Point(QPoint a) {
    if (period_ == 1) {
      if (!point_) {
        point_ = Learn(QSize(1, 1), 0, [](QPainter& p, QPoint at) {
          p.drawPoint(QPointF(at) + QPointF(kStrokeCentre, kStrokeCentre));
        });
      }
      return &*point_;
    }
    if (a.x() < 0 || a.x() >= kMaxColumns) return nullptr;
    const std::size_t index = static_cast<std::size_t>(a.x()) * 2 + (a.y() - PeriodOf(a.y()) * period_);
    while (points_.size() <= index) LearnPoints();
    return &points_[index];
  }

  // An oval in an area of w x h canvas pixels from `at` (each side 3 to 32).
  const Stamp& Oval(QPoint at, int w, int h, bool fill) {
    const int key = ((Phase(at) * 64 + w) * 64 + h) * 2 + (fill ? 1 : 0);
    auto found = ovals_.find(key);
    if (found == ovals_.end()) {
      const bool scaled = ratio_ != 1;
      found = ovals_
                  .emplace(key, Learn(QSize(w, h), Phase(at),
                                      [w, h, fill, scaled](QPainter& p, QPoint o) {
                                        PlainOval(p, QRect(o, QSize(w, h)), scaled, fill);
                                      }))
                  .first;
    }
    return found->second;
  }

  // The device pixel of the origin of the period that holds the canvas pixel.
  QPoint Origin(QPoint at) const { return {PeriodOf(at.x()) * step_, PeriodOf(at.y()) * step_}; }

 private:
  // Points are learned for this many columns at a time, up to the widest surface.
  static constexpr int kMaxStampedColumns = 2048;
  static constexpr int kMaxColumns = 8192;

  Stamps(double ratio, int period)
      : ratio_(ratio), period_(period), step_(static_cast<int>(std::round(ratio * period))) {
    lines_.resize(static_cast<std::size_t>(period * period * 9));
  }
  int PeriodOf(int v) const { return v >= 0 ? v / period_ : -((period_ - 1 - v) / period_); }
  int Phase(QPoint at) const {
    return (at.y() - PeriodOf(at.y()) * period_) * period_ + at.x() - PeriodOf(at.x()) * period_;
  }

  static QImage Scratch(QSize area, double ratio) {
    QImage scratch(static_cast<int>(std::ceil(area.width() * ratio)),
                   static_cast<int>(std::ceil(area.height() * ratio)), QImage::Format_ARGB32_Premultiplied);
    scratch.setDevicePixelRatio(ratio);
    scratch.fill(Qt::transparent);
    return scratch;
  }
  // A painter on the scratch image as the canvas's painter draws.
  static void Prepare(QPainter& p, QSize area) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipRect(QRect(QPoint(0, 0), area));
    QPen pen(Qt::black);
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
  }
  // The pixels set on the scratch image within `device`, from the origin of at's period.
  Stamp Take(const QImage& scratch, QRect device, QPoint at) const {
    Stamp s;
    const QPoint origin = Origin(at);
    device &= scratch.rect();
    for (int y = device.top(); y <= device.bottom(); ++y)
      for (int x = device.left(); x <= device.right(); ++x)
        if (qAlpha(scratch.pixel(x, y)) != 0) s.pixels.push_back(QPoint(x, y) - origin);
    for (const QPoint& px : s.pixels) s.bounds |= QRect(px, QSize(1, 1));
    return s;
  }

  // Has the painter draw a shape of about `size` canvas pixels at the place
  // of the phase on a scratch image and takes the pixels it set.
  template <typename Draw>
  Stamp Learn(QSize size, int phase, Draw draw) {
    const int margin = 4 * period_;
    const QSize area(size.width() + 2 * margin, size.height() + 2 * margin);
    QImage scratch = Scratch(area, ratio_);
    const QPoint at(margin + phase % period_, margin + phase / period_);
    {
      QPainter p(&scratch);
      Prepare(p, area);
      draw(p, at);
    }
    return Take(scratch, scratch.rect(), at);
  }

  // The points of the next columns, each in a row of its own and of either
  // parity: in a row every other column, so that no two touch.
  void LearnPoints() {
    const int first = static_cast<int>(points_.size() / 2), last = first + kMaxStampedColumns - 1;
    const QSize area(last + 4, 40);
    QImage scratch = Scratch(area, ratio_);
    const auto row = [](int x, int parity) { return 4 + 16 * (x % 2) + 8 * parity + parity; };
    {
      QPainter p(&scratch);
      Prepare(p, area);
      std::vector<QPointF> dots;
      for (int x = first; x <= last; ++x)
        for (int parity = 0; parity < 2; ++parity) dots.emplace_back(x + kStrokeCentre, row(x, parity) + kStrokeCentre);
      p.drawPoints(dots.data(), static_cast<int>(dots.size()));
    }
    for (int x = first; x <= last; ++x)
      for (int parity = 0; parity < 2; ++parity) {
        // A point's device pixels lie within a canvas pixel's worth round it,
        // apart from those of the next point of the row.
        const QPoint at(x, row(x, parity));
        const int left = static_cast<int>(std::floor(x * ratio_)), top = static_cast<int>(std::floor(at.y() * ratio_));
        const QRect device(QPoint(left - 1, top - 2), QPoint(static_cast<int>(std::floor((x + 1) * ratio_)),
                                                             static_cast<int>(std::floor((at.y() + 1) * ratio_)) + 2));
        points_.push_back(Take(scratch, device, at));
      }
  }

  double ratio_;
  int period_, step_;
  std::vector<std::optional<Stamp>> lines_;
  std::optional<Stamp> point_;
  std::vector<Stamp> points_;  // at ratio like 1.5: by column, then the row's parity
  std::unordered_map<int, Stamp> ovals_;
};

// Writes stamps into a canvas's surface while its painter is open, in the
// painter's pen colour, where that gives what the painter would draw: on the
// device pixels that lie wholly inside the painter's clip (the canvas) and the
// surface, with nothing but the plain painter state.
class StampWriter {
 public:
  StampWriter(QPainter& p, QImage& surface, int w, int h, double ratio) {
    if (surface.format() != QImage::Format_ARGB32_Premultiplied || !surface.isDetached() ||
        p.compositionMode() != QPainter::CompositionMode_SourceOver || p.testRenderHint(QPainter::Antialiasing) ||
        p.pen().color().alpha() != 255 || p.clipBoundingRect() != QRectF(0, 0, w, h)) {
      return;
    }
    stamps_ = Stamps::For(ratio);
    if (stamps_ == nullptr) return;
    bits_ = surface.bits();
    perLine_ = surface.bytesPerLine();
    inside_ = QRect(0, 0, std::min<double>(surface.width(), std::floor(w * ratio + 1e-9)),
                    std::min<double>(surface.height(), std::floor(h * ratio + 1e-9)));
    colour_ = qPremultiply(p.pen().color().rgba());
  }
  Stamps* stamps() const { return bits_ != nullptr ? stamps_ : nullptr; }

  // Writes the stamp for the canvas pixel at, if it has one and it lies
  // wholly inside.
  bool Put(const Stamp* s, QPoint at) {
    if (s == nullptr) return false;
    const QPoint origin = stamps_->Origin(at);
    if (!inside_.contains(s->bounds.translated(origin))) return false;
    for (const QPoint& px : s->pixels) {
      reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(origin.y() + px.y()) * perLine_)[origin.x() + px.x()] =
          colour_;
    }
    return true;
  }

 private:
  Stamps* stamps_ = nullptr;
  uchar* bits_ = nullptr;
  qsizetype perLine_ = 0;
  QRect inside_;
  QRgb colour_ = 0;
};

// Lines above ratio 1 as DrawLine draws them one by one, gathered for one
// call each: the lines, and both ends of each as points where the caps may
// miss some of their pixels; a line to a neighbouring pixel (or a point) as
// its stamp where it has one.
class SegmentBatch {
 public:
  SegmentBatch(QPainter& p, QImage& surface, int w, int h, double ratio)
      : painter_(p), stamps_(p, surface, w, h, ratio), capsCoverEnds_(CapsCoverEnds(ratio)) {}
  void Add(QPoint a, QPoint b) {
    const QPoint d = b - a;
    Stamps* stamps = stamps_.stamps();
    const bool stamped = a != b && stamps != nullptr && std::abs(d.x()) <= 1 && std::abs(d.y()) <= 1 &&
                         stamps_.Put(&stamps->Line(a, d), a);
    if (a != b && !stamped) lines_.emplace_back(QPointF(a) + o_, QPointF(b) + o_);
    if (a == b || !capsCoverEnds_) {
      Dot(a);
      if (a != b) Dot(b);
    }
  }
  void Draw() {
    if (!lines_.empty()) painter_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
    if (!dots_.empty()) painter_.drawPoints(dots_.data(), static_cast<int>(dots_.size()));
  }

 private:
  // A point, as its stamp where it has one.
  void Dot(QPoint a) {
    Stamps* stamps = stamps_.stamps();
    if (stamps == nullptr || !stamps_.Put(stamps->Point(a), a)) dots_.push_back(QPointF(a) + o_);
  }

  QPainter& painter_;
  const QPointF o_{kStrokeCentre, kStrokeCentre};
  StampWriter stamps_;
  bool capsCoverEnds_;
  std::vector<QLineF> lines_;
  std::vector<QPointF> dots_;
};

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
    // Each segment as DrawLine draws it (a run of one point only: the point).
    SegmentBatch batch(Painter(), *canvas_->surface_, canvas_->Width(), canvas_->Height(), canvas_->DeviceRatio());
    QPoint a(C(xy[0]), C(xy[1]));
    bool any = false;
    for (std::size_t i = 1; i < n; ++i) {
      const QPoint b(C(xy[2 * i]), C(xy[2 * i + 1]));
      if (a != b) {
        batch.Add(a, b);
        any = true;
      }
      a = b;
    }
    if (!any) batch.Add(a, a);
    batch.Draw();
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
  SegmentBatch batch(Painter(), *canvas_->surface_, canvas_->Width(), canvas_->Height(), canvas_->DeviceRatio());
  int left = C(ends[0]), top = C(ends[1]), right = left, bottom = top;
  for (std::size_t i = 0; i < n; ++i) {
    const QPoint a(C(ends[4 * i]), C(ends[4 * i + 1])), b(C(ends[4 * i + 2]), C(ends[4 * i + 3]));
    left = std::min({left, a.x(), b.x()});
    right = std::max({right, a.x(), b.x()});
    top = std::min({top, a.y(), b.y()});
    bottom = std::max({bottom, a.y(), b.y()});
    batch.Add(a, b);
  }
  canvas_->Touch(left, top, right, bottom);
  batch.Draw();
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
  canvas_->Filled(C(left), C(top), w, h);
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
  // A small oval as its stamp where it has one.
  const QRect area(C(left), C(top), w, h);
  if (w <= kMaxStampedOval && h <= kMaxStampedOval) {
    StampWriter stamps(p, *canvas_->surface_, canvas_->Width(), canvas_->Height(), canvas_->DeviceRatio());
    if (stamps.stamps() != nullptr && stamps.Put(&stamps.stamps()->Oval(area.topLeft(), w, h, fill), area.topLeft()))
      return;
  }
  PlainOval(p, area, Scaled(), fill);
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
