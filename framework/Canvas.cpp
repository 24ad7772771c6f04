#include "Canvas.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>

#include "detail/Internal.h"

namespace fw {

namespace {

// The surface never grows beyond these bounds, whatever size the canvas is
// given: at most 8192 pixels a side and 16 Mi pixels (64 MiB) in all.
constexpr int kMaxSurfaceSide = 8192;
constexpr qint64 kMaxSurfacePixels = qint64{16} * 1024 * 1024;

QImage BlankSurface(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
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
  void paintEvent(QPaintEvent* event) override {
    if (owner_ == nullptr) return;
    if (!owner_->painted_ && !owner_->painting_) {
      Canvas* c = owner_;
      detail::RunGuarded([c] { c->RunPaint(true); });
      if (owner_ == nullptr) return;
    }
    QPainter p(this);
    p.setClipRect(event->rect());
    if (!owner_->transparent_) p.fillRect(rect(), palette().window());
    p.drawImage(0, 0, *owner_->surface_);
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (owner_ == nullptr) return;
    Canvas* c = owner_;
    const QPoint pos = event->position().toPoint();
    detail::RunGuarded([c, pos] { c->RaiseEvent(Event::MouseDown, EventArgs{nullptr, nullptr, pos.x(), pos.y()}); });
    event->accept();
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (owner_ == nullptr) return;
    Canvas* c = owner_;
    const QPoint pos = event->position().toPoint();
    detail::RunGuarded([c, pos] { c->RaiseEvent(Event::MouseMove, EventArgs{nullptr, nullptr, pos.x(), pos.y()}); });
    event->accept();
  }

 private:
  Canvas* owner_;
};

Canvas::Canvas() : surface_(std::make_unique<QImage>(BlankSurface(1, 1))) {
  SetWidget(new CanvasWidget(this));
}

Canvas::~Canvas() {
  if (auto* w = dynamic_cast<CanvasWidget*>(Widget())) w->Detach();
}

fw::Graphics& Canvas::Graphics() {
  // A canvas that has never painted paints first, so that what the program
  // draws now lies on top of its picture and is not wiped by the first show.
  if (!painted_ && !painting_) RunPaint(true);
  if (!graphics_) graphics_ = std::make_unique<fw::Graphics>(*this);
  return *graphics_;
}

void Canvas::EnsureSurface() {
  const int want_w = std::clamp<int>(Width(), 1, kMaxSurfaceSide);
  int want_h = std::clamp<int>(Height(), 1, kMaxSurfaceSide);
  const int w = std::max(surface_->width(), want_w);
  int h = std::max(surface_->height(), want_h);
  if (qint64{w} * h > kMaxSurfacePixels) h = std::max<int>(1, static_cast<int>(kMaxSurfacePixels / w));
  if (w == surface_->width() && h == surface_->height()) return;
  QImage grown = BlankSurface(w, h);
  if (grown.isNull()) return;  // out of memory: keep drawing on the old one
  {
    QPainter p(&grown);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, *surface_);
  }
  *surface_ = std::move(grown);
}

const QImage& Canvas::Surface() const { return *surface_; }

QImage& Canvas::MutableSurface() {
  EnsureSurface();
  return *surface_;
}

Color Canvas::PixelAt(Integer x, Integer y) const {
  if (x < 0 || y < 0 || x >= surface_->width() || y >= surface_->height()) return Color{};
  return detail::FromQColor(surface_->pixelColor(x, y));
}

bool Canvas::PixelIsBlank(Integer x, Integer y) const {
  if (x < 0 || y < 0 || x >= surface_->width() || y >= surface_->height()) return true;
  return qAlpha(surface_->pixel(x, y)) == 0;
}

void Canvas::RunPaint(bool clear) {
  if (painting_) return;  // a Refresh from inside its own Paint event
  painting_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{painting_};
  EnsureSurface();
  if (clear) surface_->fill(Qt::transparent);
  painted_ = true;
  fw::Graphics g(*this);
  const Areas areas{Rect{0, 0, Width(), Height()}};
  Event_Paint(g, areas);
  if (Widget() != nullptr) Widget()->update();
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
  Control::SetWidth(v);
  // What lay beyond the new edge is gone; the surface keeps its size.
  if (Width() < surface_->width()) {
    QPainter p(surface_.get());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(Width(), 0, surface_->width() - Width(), surface_->height()), Qt::transparent);
  }
  EnsureSurface();
}

void Canvas::SetHeight(Integer v) {
  Control::SetHeight(v);
  if (Height() < surface_->height()) {
    QPainter p(surface_.get());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(0, Height(), surface_->width(), surface_->height() - Height()), Qt::transparent);
  }
  EnsureSurface();
}

bool Canvas::ApplyProperty(const String& name, const PropertyValue& value) {
  if (detail::SameName(name, "AcceptFocus")) {
    acceptFocus_ = AsBoolean(value, acceptFocus_);
    if (Widget() != nullptr) Widget()->setFocusPolicy(acceptFocus_ ? Qt::StrongFocus : Qt::NoFocus);
    return true;
  }
  if (detail::SameName(name, "Transparent")) {
    transparent_ = AsBoolean(value, transparent_);
    if (Widget() != nullptr) Widget()->update();
    return true;
  }
  return Control::ApplyProperty(name, value);
}

}  // namespace fw
