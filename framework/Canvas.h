// A control that keeps its picture on a persistent surface.
#pragma once

#include <memory>

#include "Control.h"
#include "Graphics.h"

class QImage;

namespace fw {

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
class Canvas : public Control {
 public:
  Canvas();
  ~Canvas() override;
  std::string_view ClassName() const override { return "Canvas"; }

  // The drawing context for drawing outside the Paint event.
  fw::Graphics& Graphics();

  void Refresh(bool erase = true) override;
  void SetWidth(Integer v) override;
  void SetHeight(Integer v) override;

  bool AcceptFocus() const { return acceptFocus_; }
  bool Transparent() const { return transparent_; }

  // The surface, for the toolkit and for tests.
  const QImage& Surface() const;
  QImage& MutableSurface();
  // The colour of one surface pixel and whether anything was drawn there.
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
  void EnsureSurface();
  void RunPaint(bool clear);


  std::unique_ptr<QImage> surface_;
  std::unique_ptr<fw::Graphics> graphics_;
  bool acceptFocus_ = false;
  bool transparent_ = true;
  bool painted_ = false;
  bool painting_ = false;
};

}  // namespace fw
