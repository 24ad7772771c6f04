#include <QPainter>
#include <QTransform>

#include "detail/Internal.h"

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

}  // namespace fw::detail
