// A control that keeps its picture on a persistent surface.
#pragma once

#include <memory>

#include "Control.h"
#include "Graphics.h"

class QImage;
class QPainter;

namespace fw {

// A canvas's surface has at most this many device pixels a side.
inline constexpr Integer kMaxSurfaceSide = 8192;

// The surface holds whatever was drawn on it until the next Refresh(true),
// which clears it (transparent) and runs the Paint event on it at once. A
// repaint that the program did not ask for (the window uncovered, moved or
// resized) shows the surface as it is. The surface grows with the canvas and
// keeps its picture; what falls outside a canvas made smaller is dropped. The
// surface is bounded (8192 pixels a side, 16 Mi pixels in all): a larger
// canvas shows nothing beyond. Refresh(false) runs the Paint event over the
// picture without clearing it. The Paint event runs on its own fresh Graphics; the
// canvas's Graphics() keeps its colour, font and size from use to use.
// A canvas that has never painted paints when it is first shown or when its
// Graphics() is first fetched, whichever comes first.
//
// Sharpness: the surface has the device pixel ratio of the canvas's screen
// (2 on a screen scaled by 2: twice as many pixels a side), while the program
// and PixelAt/PixelIsBlank work in the canvas's own (logical) pixels. When the
// canvas moves to a screen of another ratio the surface follows: the picture
// is carried over scaled, and is sharp again from the next Refresh.
//
// Painting: every Graphics of the canvas draws through one painter that the
// canvas keeps open from the first drawing operation of a run to the next
// moment the surface is used otherwise: shown by the widget's paint event,
// cleared by Refresh, grown or cut by a change of size or ratio, or read
// through Surface(), PixelAt or PixelIsBlank. What is drawn outside the Paint
// event reaches the screen by itself, after the run of drawing that the
// program is in: the widget repaints the area that the run's operations
// covered (with a canvas pixel to spare round it), a Paint event the whole
// canvas. Nothing but the painter touches the surface while it is open.
//
// Showing: while the canvas's area of the surface is known to be wholly
// opaque (filled all over since it was last cleared, grown or carried to
// another ratio), the widget tells the toolkit that it paints every pixel of
// its own, so that what lies beneath it is not painted first. A canvas that is
// not Transparent paints its background and always does.
//
// Pointer: MouseDown and MouseMove report the pointer in the canvas's pixels,
// the moves also without a button. When the pointer leaves the canvas, one
// more MouseMove reports where it crossed the edge, held to the canvas's
// outermost columns and rows.
class Canvas : public Control {
 public:
  Canvas();
  ~Canvas() override;
  std::string_view ClassName() const override { return "Canvas"; }

  // The drawing context for drawing outside the Paint event.
  fw::Graphics& Graphics();

  // With erase the surface is cleared; either way the Paint event has run on
  // it when this returns.
  void Refresh(bool erase = true) override;
  void SetWidth(Integer v) override;
  void SetHeight(Integer v) override;

  bool AcceptFocus() const { return acceptFocus_; }
  // With the focus, the canvas shows the style's focus ring over its picture
  // (on the screen only: the surface stays as drawn).
  bool UseFocusRing() const { return useFocusRing_; }
  bool Transparent() const { return transparent_; }

  // The surface, for the toolkit and for tests, in device pixels; its
  // devicePixelRatio() turns them into the canvas's pixels.
  const QImage& Surface() const;
  QImage& MutableSurface();
  // The device pixel ratio of the surface (1 on an unscaled screen).
  double DeviceRatio() const { return ratio_; }
  // The colour of one canvas pixel and whether anything was drawn there, in
  // the canvas's own coordinates. At a ratio above 1 a canvas pixel covers
  // several surface pixels: the colour is that of its top-left one, and it is
  // blank when none of them was drawn.
  Color PixelAt(Integer x, Integer y) const;
  bool PixelIsBlank(Integer x, Integer y) const;

  // Runs the Paint event on the surface now (erasing it first).
  void PaintNow();

 protected:
  // The class's own Paint event; by default raises the connected handler.
  virtual void Event_Paint(fw::Graphics& g, const Areas& areas);
  bool ApplyProperty(const String& name, const PropertyValue& value) override;

 private:
  friend class CanvasWidget;
  friend class fw::Graphics;
  void EnsureSurface();
  // Clears what lies beyond the canvas's width and height on the surface.
  void CutToSize();
  void RunPaint(bool clear);
  // The shared painter on the surface (opened on demand), and its end.
  QPainter& Painter();
  void EndPainting() const;
  // Has the widget show the canvas pixels that a drawing operation covers
  // (left, top, right, bottom, inclusive) once the program is done drawing.
  void Touch(int left, int top, int right, int bottom);
  // Takes on the ratio of the widget's screen if it differs from the surface's.
  void FollowScreenRatio();
  // Called by a fill of the rectangle (left, top, width, height), in canvas
  // pixels: one that covers the whole canvas makes its area opaque.
  void Filled(int left, int top, int width, int height);
  // Records whether the canvas's area is wholly opaque, and tells the widget.
  void SetOpaque(bool opaque);

  std::unique_ptr<QImage> surface_;
  mutable std::unique_ptr<QPainter> painter_;
  // The colour that the open painter's pen carries, once set.
  Color penColor_;
  bool penSet_ = false;
  // The canvas pixels the widget is to show at its next paint event (left,
  // top, right, bottom, inclusive; none while right < left).
  int shownLeft_ = 0, shownTop_ = 0, shownRight_ = -1, shownBottom_ = -1;
  std::unique_ptr<fw::Graphics> graphics_;
  double ratio_ = 1;
  bool acceptFocus_ = false;
  bool useFocusRing_ = true;
  bool transparent_ = true;
  // Every surface pixel within the canvas is opaque.
  bool opaque_ = false;
  bool painted_ = false;
  bool painting_ = false;
};

}  // namespace fw
