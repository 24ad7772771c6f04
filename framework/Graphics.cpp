#include "Graphics.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QPolygon>

#include <algorithm>

#include "Canvas.h"
#include "detail/Internal.h"

namespace fw {

namespace {

// Coordinates and extents handed to the painter stay well inside what its
// rasterizer handles exactly; anything beyond lies far off every surface.
constexpr Integer kDrawLimit = 100000;
int C(Integer v) { return std::clamp<Integer>(v, -kDrawLimit, kDrawLimit); }
int Extent(Integer v) { return std::clamp<Integer>(v, 0, 2 * kDrawLimit); }

// One painter per operation: the surface may be replaced (grown) between two
// operations, also while the canvas paints.
// When it is done, the canvas is scheduled to show the new picture.
class SurfacePainter {
 public:
  SurfacePainter(Canvas& canvas, Color color) : canvas_(canvas), painter_(&canvas.MutableSurface()) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setClipRect(0, 0, canvas.Width(), canvas.Height());
    const QColor c = detail::ToQColor(color);
    QPen pen(c);
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    brush_ = QBrush(c);
  }
  SurfacePainter(const SurfacePainter&) = delete;
  SurfacePainter& operator=(const SurfacePainter&) = delete;
  ~SurfacePainter() {
    painter_.end();
    if (QWidget* w = canvas_.Widget()) w->update();
  }
  QPainter& operator*() { return painter_; }
  QPainter* operator->() { return &painter_; }
  const QBrush& Brush() const { return brush_; }

 private:
  Canvas& canvas_;
  QPainter painter_;
  QBrush brush_;
};

// An oval in the area, outlined or filled; one of at most 2 pixels across
// fills its area.
void PaintOval(Canvas& canvas, Color color, Integer left, Integer top, Integer width, Integer height, bool fill) {
  const int w = Extent(width), h = Extent(height);
  if (w == 0 || h == 0) return;
  SurfacePainter p(canvas, color);
  if (w <= 2 || h <= 2) {
    p->fillRect(QRect(C(left), C(top), w, h), detail::ToQColor(color));
    return;
  }
  p->setBrush(fill ? p.Brush() : QBrush(Qt::NoBrush));
  p->drawEllipse(QRect(C(left), C(top), w - 1, h - 1));
}

}  // namespace

Graphics::Graphics(Canvas& canvas) : canvas_(&canvas) {}

Integer Graphics::Width() const { return canvas_->Width(); }
Integer Graphics::Height() const { return canvas_->Height(); }

void Graphics::DrawString(const String& text, Integer x, Integer y) {
  if (text.empty()) return;
  SurfacePainter p(*canvas_, foreColor_);
  p->setFont(detail::MakeFont(textFont_, textSize_, bold_, false, false, false));
  p->drawText(QPoint(C(x), C(y)), detail::ToQ(text));
}

Double Graphics::StringWidth(const String& text) const {
  if (text.empty()) return 0;
  const QFontMetricsF fm(detail::MakeFont(textFont_, textSize_, bold_, false, false, false), &canvas_->Surface());
  return fm.horizontalAdvance(detail::ToQ(text));
}

void Graphics::DrawLine(Integer x1, Integer y1, Integer x2, Integer y2) {
  SurfacePainter p(*canvas_, foreColor_);
  const QPoint a(C(x1), C(y1)), b(C(x2), C(y2));
  if (a != b) p->drawLine(a, b);
  // Both end points belong to the line, also for a line of zero length.
  p->drawPoint(a);
  p->drawPoint(b);
}

void Graphics::DrawRect(Integer left, Integer top, Integer width, Integer height) {
  const int w = Extent(width), h = Extent(height);
  if (w == 0 || h == 0) return;
  const int l = C(left), t = C(top);
  SurfacePainter p(*canvas_, foreColor_);
  const QColor c = detail::ToQColor(foreColor_);
  // The outline is the outermost ring of pixels of the area.
  p->fillRect(QRect(l, t, w, 1), c);
  p->fillRect(QRect(l, t + h - 1, w, 1), c);
  p->fillRect(QRect(l, t, 1, h), c);
  p->fillRect(QRect(l + w - 1, t, 1, h), c);
}

void Graphics::FillRect(Integer left, Integer top, Integer width, Integer height) {
  const int w = Extent(width), h = Extent(height);
  if (w == 0 || h == 0) return;
  SurfacePainter p(*canvas_, foreColor_);
  p->fillRect(QRect(C(left), C(top), w, h), detail::ToQColor(foreColor_));
}

void Graphics::DrawOval(Integer left, Integer top, Integer width, Integer height) {
  PaintOval(*canvas_, foreColor_, left, top, width, height, false);
}

void Graphics::FillOval(Integer left, Integer top, Integer width, Integer height) {
  PaintOval(*canvas_, foreColor_, left, top, width, height, true);
}

void Graphics::FillPolygon(const std::vector<Integer>& points) {
  // Element 0 carries no point; a last element without its partner is left out.
  if (points.size() < 3) return;
  QPolygon poly;
  for (std::size_t i = 1; i + 1 < points.size(); i += 2) poly << QPoint(C(points[i]), C(points[i + 1]));
  SurfacePainter p(*canvas_, foreColor_);
  p->setBrush(p.Brush());
  if (poly.size() == 1) {
    p->drawPoint(poly[0]);
  } else if (poly.size() == 2) {
    p->drawLine(poly[0], poly[1]);
    p->drawPoint(poly[1]);
  } else {
    p->drawPolygon(poly, Qt::WindingFill);
  }
}

}  // namespace fw
