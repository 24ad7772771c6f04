#include <QPainter>
#include <QPalette>
#include <QTransform>

#include <algorithm>

#include "detail/DevicePixelsInternal.h"

namespace fw::detail {

QRect DeviceRect(const QPainter& p, const QRect& r) {
  const QRectF d = p.deviceTransform().mapRect(QRectF(r));
  return QRect(QPoint(qRound(d.left()), qRound(d.top())), QPoint(qRound(d.right()) - 1, qRound(d.bottom()) - 1));
}

void FillDevicePixels(QPainter& p, const QRect& d, const QColor& colour) {
  bool invertible = false;
  const QTransform back = p.deviceTransform().inverted(&invertible);
  if (!invertible || d.isEmpty()) return;
  p.fillRect(back.mapRect(QRectF(d)), colour);
}

void DrawFrameLine(QPainter& p, const QRect& r, int inset, const QColor& topLeft, const QColor& bottomRight) {
  const int in = qRound(inset * p.deviceTransform().m11());
  const QRect ring = DeviceRect(p, r).adjusted(in, in, -in, -in);
  if (ring.isEmpty()) return;
  FillDevicePixels(p, QRect(ring.left(), ring.top(), ring.width(), 1), topLeft);
  FillDevicePixels(p, QRect(ring.left(), ring.top(), 1, ring.height()), topLeft);
  FillDevicePixels(p, QRect(ring.left(), ring.bottom(), ring.width(), 1), bottomRight);
  FillDevicePixels(p, QRect(ring.right(), ring.top(), 1, ring.height()), bottomRight);
}

QColor FocusColour(const QPalette& palette) {
  QColor c = palette.color(QPalette::Highlight).darker(125);
  if (c.value() > 160) c.setHsl(c.hue(), c.saturation(), 160);
  return c;
}

void DrawFocusMark(QPainter& p, const QRect& r, int width, const QPalette& palette) {
  if (width <= 0) return;
  const QRect d = DeviceRect(p, r);
  if (d.isEmpty()) return;
  const QColor colour = FocusColour(palette);
  const int band = std::max(1, qRound(width * p.deviceTransform().m11()));
  if (2 * band >= d.width() || 2 * band >= d.height()) return FillDevicePixels(p, d, colour);
  FillDevicePixels(p, QRect(d.left(), d.top(), d.width(), band), colour);
  FillDevicePixels(p, QRect(d.left(), d.bottom() - band + 1, d.width(), band), colour);
  FillDevicePixels(p, QRect(d.left(), d.top() + band, band, d.height() - 2 * band), colour);
  FillDevicePixels(p, QRect(d.right() - band + 1, d.top() + band, band, d.height() - 2 * band), colour);
}

}  // namespace fw::detail
