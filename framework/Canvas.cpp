#include "Canvas.h"

#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <optional>

#include "detail/ControlInternal.h"
#include "detail/DevicePixelsInternal.h"

namespace fw {

namespace {

// The surface never grows beyond these bounds in device pixels, whatever size
// the canvas is given: at most kMaxSurfaceSide pixels a side and 16 Mi pixels (64 MiB).
constexpr qint64 kMaxSurfacePixels = qint64{16} * 1024 * 1024;

QImage BlankSurface(QSize size, double ratio) {
  QImage img(size, QImage::Format_ARGB32_Premultiplied);
  if (img.isNull()) return img;
  img.setDevicePixelRatio(ratio);
  img.fill(Qt::transparent);
  return img;
}

// The ratio of the screen the widget is on, kept within 1/4 .. 8.
double ScreenRatio(const QWidget* w) {
  const double r = w != nullptr ? w->devicePixelRatioF() : 1.0;
  return std::isfinite(r) ? std::clamp(r, 0.25, 8.0) : 1.0;
}

// The canvas pixels that n device pixels cover at the ratio.
int LogicalPixels(int n, double ratio) { return static_cast<int>(std::floor(n / ratio + 1e-9)); }

// The device pixels that v canvas pixels need at the ratio, rounded up.
int DevicePixelsCovering(double v, double ratio) { return static_cast<int>(std::ceil(v * ratio - 1e-9)); }

// The device size for a picture of w x h canvas pixels, within the bounds.
QSize BoundedDeviceSize(int w, int h, double ratio) {
  const int dw = std::clamp(DevicePixelsCovering(w, ratio), 1, kMaxSurfaceSide);
  int dh = std::clamp(DevicePixelsCovering(h, ratio), 1, kMaxSurfaceSide);
  if (qint64{dw} * dh > kMaxSurfacePixels) dh = std::max<int>(1, static_cast<int>(kMaxSurfacePixels / dw));
  return {dw, dh};
}

// The device pixel where a canvas coordinate begins, or -1 beyond any surface.
int DevicePixel(Integer v, double ratio) {
  const double d = std::floor(v * ratio);
  return d >= 0 && d <= kMaxSurfaceSide ? static_cast<int>(d) : -1;
}

// Where the pointer, last reported inside a canvas of the size at `from` and
// now at `to`, crossed the canvas's edge, on its outermost pixels; without a
// report inside, the canvas pixel nearest to `to`.
QPoint ExitPoint(const std::optional<QPoint>& from, QPoint to, QSize size) {
  const int right = std::max(0, size.width() - 1), bottom = std::max(0, size.height() - 1);
  QPointF at = to;
  if (from) {
    // The share of the way from `from` to `to` that lies on the canvas.
    const QPointF way = to - *from;
    double share = 1;
    if (to.x() > right) share = std::min(share, (right - from->x()) / way.x());
    if (to.x() < 0) share = std::min(share, -from->x() / way.x());
    if (to.y() > bottom) share = std::min(share, (bottom - from->y()) / way.y());
    if (to.y() < 0) share = std::min(share, -from->y() / way.y());
    at = *from + share * way;
  }
  return {std::clamp(qRound(at.x()), 0, right), std::clamp(qRound(at.y()), 0, bottom)};
}

}  // namespace

// Shows a canvas: its paint event puts the surface on the screen. Only a
// canvas that has never painted runs its Paint event from here.
class CanvasWidget : public QWidget {
 public:
  explicit CanvasWidget(Canvas* owner) : owner_(owner) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
  }
  void Detach() { owner_ = nullptr; }

 protected:
  bool event(QEvent* event) override {
    if (owner_ != nullptr && event->type() == QEvent::ScreenChangeInternal) owner_->FollowScreenRatio();
    return QWidget::event(event);
  }
  void paintEvent(QPaintEvent* event) override {
    if (owner_ == nullptr) return;
    owner_->FollowScreenRatio();
    if (!owner_->painted_ && !owner_->painting_) {
      Canvas* c = owner_;
      detail::RunGuarded([c] { c->RunPaint(true); });
      if (owner_ == nullptr) return;
    }
    owner_->EndPainting();
    owner_->shownRight_ = owner_->shownLeft_ - 1;
    QPainter p(this);
    p.setClipRect(event->rect());
    if (!owner_->transparent_) p.fillRect(rect(), palette().window());
    p.drawImage(QPointF(0, 0), *owner_->surface_);
    // The focus ring goes on the screen only, never onto the surface: a
    // band two pixels wide along the edge alone, so that the picture keeps
    // its colours inside it.
    if (owner_->useFocusRing_ && hasFocus()) detail::DrawFocusMark(p, rect(), 2, palette());
  }
  void focusInEvent(QFocusEvent* event) override {
    QWidget::focusInEvent(event);
    update();
  }
  void focusOutEvent(QFocusEvent* event) override {
    QWidget::focusOutEvent(event);
    update();
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (owner_ == nullptr) return;
    Canvas* c = owner_;
    const QPoint pos = event->position().toPoint();
    detail::RunGuarded([c, pos] { c->RaiseEvent(Event::MouseDown, EventArgs{nullptr, nullptr, pos.x(), pos.y()}); });
    event->accept();
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    const QPoint pos = event->position().toPoint();
    lastInside_.reset();
    if (rect().contains(pos)) lastInside_ = pos;
    Move(pos);
    event->accept();
  }
  // Moves are reported only now and then: the pointer may leave between two
  // of them from well inside. One last move where it crossed the edge lets a
  // handler that follows the pointer see the edge it went over.
  void leaveEvent(QEvent* event) override {
    const QPoint exit = ExitPoint(lastInside_, mapFromGlobal(QCursor::pos()), size());
    lastInside_.reset();
    Move(exit);
    QWidget::leaveEvent(event);
  }

 private:
  void Move(QPoint pos) {
    if (owner_ == nullptr) return;
    Canvas* c = owner_;
    detail::RunGuarded([c, pos] { c->RaiseEvent(Event::MouseMove, EventArgs{nullptr, nullptr, pos.x(), pos.y()}); });
  }

  Canvas* owner_;
  // The last reported pointer position on the canvas since it last left.
  std::optional<QPoint> lastInside_;
};

Canvas::Canvas() : surface_(std::make_unique<QImage>(BlankSurface(QSize(1, 1), 1.0))) {
  SetWidget(new CanvasWidget(this));
  FollowScreenRatio();
}

Canvas::~Canvas() {
  EndPainting();
  if (auto* w = dynamic_cast<CanvasWidget*>(Widget())) w->Detach();
}

fw::Graphics& Canvas::Graphics() {
  // A canvas that has never painted paints first, so that what the program
  // draws now lies on top of its picture and is not wiped by the first show.
  if (!painted_ && !painting_) RunPaint(true);
  if (!graphics_) graphics_ = std::make_unique<fw::Graphics>(*this);
  return *graphics_;
}

QPainter& Canvas::Painter() {
  if (painter_) return *painter_;
  EnsureSurface();
  painter_ = std::make_unique<QPainter>(surface_.get());
  penSet_ = false;
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setRenderHint(QPainter::TextAntialiasing, true);
  painter_->setClipRect(0, 0, Width(), Height());
  return *painter_;
}

void Canvas::Touch(int left, int top, int right, int bottom) {
  if (right < left || bottom < top) return;
  if (shownRight_ < shownLeft_) {
    shownLeft_ = left, shownTop_ = top, shownRight_ = right, shownBottom_ = bottom;
  } else if (left >= shownLeft_ && top >= shownTop_ && right <= shownRight_ && bottom <= shownBottom_) {
    return;  // the widget is to show it already
  } else {
    shownLeft_ = std::min(shownLeft_, left);
    shownTop_ = std::min(shownTop_, top);
    shownRight_ = std::max(shownRight_, right);
    shownBottom_ = std::max(shownBottom_, bottom);
  }
  // A canvas pixel to spare on every side: at a ratio like 1.5 the window
  // system may round the device pixels of a canvas pixel's edge either way.
  if (Widget() != nullptr) {
    Widget()->update(QRect(QPoint(shownLeft_ - 1, shownTop_ - 1), QPoint(shownRight_ + 1, shownBottom_ + 1)));
  }
}

void Canvas::EndPainting() const {
  if (!painter_) return;
  painter_->end();
  painter_.reset();
}

void Canvas::FollowScreenRatio() {
  const double ratio = ScreenRatio(Widget());
  if (ratio == ratio_) return;
  EndPainting();
  const int w = LogicalPixels(surface_->width(), ratio_), h = LogicalPixels(surface_->height(), ratio_);
  QImage next = BlankSurface(BoundedDeviceSize(w, h, ratio), ratio);
  if (next.isNull()) return;  // out of memory: keep the old one
  {
    QPainter p(&next);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRectF(0, 0, w, h), *surface_);
  }
  *surface_ = std::move(next);
  ratio_ = ratio;
  SetOpaque(false);  // the scaled picture may be soft at its edges
  EnsureSurface();
  if (Widget() != nullptr) Widget()->update();
}

void Canvas::EnsureSurface() {
  const int want_w = std::clamp<int>(Width(), 1, kMaxSurfaceSide);
  const int want_h = std::clamp<int>(Height(), 1, kMaxSurfaceSide);
  const QSize size = BoundedDeviceSize(std::max(LogicalPixels(surface_->width(), ratio_), want_w),
                                       std::max(LogicalPixels(surface_->height(), ratio_), want_h), ratio_);
  if (size == surface_->size()) return;
  QImage grown = BlankSurface(size, ratio_);
  if (grown.isNull()) return;  // out of memory: keep drawing on the old one
  EndPainting();
  {
    QPainter p(&grown);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPointF(0, 0), *surface_);
  }
  *surface_ = std::move(grown);
}

const QImage& Canvas::Surface() const {
  EndPainting();
  return *surface_;
}

QImage& Canvas::MutableSurface() {
  EnsureSurface();
  EndPainting();
  SetOpaque(false);  // whoever writes may leave pixels clear
  return *surface_;
}

Color Canvas::PixelAt(Integer x, Integer y) const {
  const QImage& s = Surface();
  const int dx = DevicePixel(x, ratio_), dy = DevicePixel(y, ratio_);
  if (dx < 0 || dy < 0 || dx >= s.width() || dy >= s.height()) return Color{};
  return detail::FromQColor(s.pixelColor(dx, dy));
}

bool Canvas::PixelIsBlank(Integer x, Integer y) const {
  const QImage& s = Surface();
  const int dx = DevicePixel(x, ratio_), dy = DevicePixel(y, ratio_);
  if (dx < 0 || dy < 0 || dx >= s.width() || dy >= s.height()) return true;
  // Every device pixel of the canvas pixel, at least the one it begins on.
  const int ex = std::min(s.width(), std::max(dx + 1, DevicePixelsCovering(x + 1.0, ratio_)));
  const int ey = std::min(s.height(), std::max(dy + 1, DevicePixelsCovering(y + 1.0, ratio_)));
  for (int j = dy; j < ey; ++j)
    for (int i = dx; i < ex; ++i)
      if (qAlpha(s.pixel(i, j)) != 0) return false;
  return true;
}

void Canvas::RunPaint(bool clear) {
  if (painting_) return;  // a Refresh from inside its own Paint event
  painting_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{painting_};
  FollowScreenRatio();
  EnsureSurface();
  EndPainting();
  if (clear) {
    surface_->fill(Qt::transparent);
    SetOpaque(false);
  }
  painted_ = true;
  {
    fw::Graphics g(*this);
    const Areas areas{Rect{0, 0, Width(), Height()}};
    Event_Paint(g, areas);
  }
  EndPainting();
  if (Widget() != nullptr) Widget()->update();
  shownLeft_ = 0, shownTop_ = 0, shownRight_ = Width() - 1, shownBottom_ = Height() - 1;
}

void Canvas::PaintNow() { RunPaint(true); }

void Canvas::Refresh(bool erase) { RunPaint(erase); }

void Canvas::Event_Paint(fw::Graphics& g, const Areas& areas) {
  EventArgs args;
  args.g = &g;
  args.areas = &areas;
  RaiseEvent(Event::Paint, args);
}

void Canvas::SetWidth(Integer v) {
  const Integer before = Width();
  Control::SetWidth(v);
  if (Width() > before) SetOpaque(false);  // the new columns are clear
  CutToSize();
}

void Canvas::SetHeight(Integer v) {
  const Integer before = Height();
  Control::SetHeight(v);
  if (Height() > before) SetOpaque(false);  // the new rows are clear
  CutToSize();
}

void Canvas::Filled(int left, int top, int width, int height) {
  if (opaque_ || left > 0 || top > 0 || qint64{left} + width < Width() || qint64{top} + height < Height()) return;
  // Only as far as the surface reaches: a bounded surface shows nothing
  // beyond its edge.
  if (LogicalPixels(surface_->width(), ratio_) < Width() || LogicalPixels(surface_->height(), ratio_) < Height())
    return;
  SetOpaque(true);
}

void Canvas::SetOpaque(bool opaque) {
  opaque_ = opaque;
  if (Widget() != nullptr) Widget()->setAttribute(Qt::WA_OpaquePaintEvent, opaque_ || !transparent_);
}

void Canvas::CutToSize() {
  // What lay beyond the new edges is gone; the surface keeps its size.
  EndPainting();
  const int w = LogicalPixels(surface_->width(), ratio_), h = LogicalPixels(surface_->height(), ratio_);
  if (Width() < w || Height() < h) {
    QPainter p(surface_.get());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (Width() < w) p.fillRect(QRect(Width(), 0, w - Width() + 1, h + 1), Qt::transparent);
    if (Height() < h) p.fillRect(QRect(0, Height(), w + 1, h - Height() + 1), Qt::transparent);
  }
  EnsureSurface();
}

bool Canvas::ApplyProperty(const String& name, const PropertyValue& value) {
  static constexpr PropertyRow<Canvas> kProperties[] = {
      {"AcceptFocus",
       [](Canvas& c, const PropertyValue& v) {
         c.acceptFocus_ = AsBoolean(v, c.acceptFocus_);
         if (c.Widget() != nullptr) c.Widget()->setFocusPolicy(c.acceptFocus_ ? Qt::StrongFocus : Qt::NoFocus);
       }},
      {"UseFocusRing",
       [](Canvas& c, const PropertyValue& v) {
         c.useFocusRing_ = AsBoolean(v, c.useFocusRing_);
         if (c.Widget() != nullptr) c.Widget()->update();
       }},
      {"Transparent",
       [](Canvas& c, const PropertyValue& v) {
         c.transparent_ = AsBoolean(v, c.transparent_);
         c.SetOpaque(c.opaque_);
         if (c.Widget() != nullptr) c.Widget()->update();
       }},
  };
  return ApplyListedProperty(kProperties, *this, name, value) || Control::ApplyProperty(name, value);
}

}  // namespace fw
