// A window whose building hooks and open event the test supplies.
#pragma once

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QMainWindow>
#include <QTest>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Control.h"
#include "Window.h"

namespace fwtest {

class HookWindow : public fw::Window {
 public:
  std::function<void(HookWindow&)> layout, create, open;
  std::vector<std::string>* log = nullptr;

  template <class T>
  T& Add(const fw::String& name, fw::Integer index = fw::Control::kNoIndex, const fw::PropertyRecord& record = {}) {
    auto& c = static_cast<T&>(AddControl(std::make_unique<T>(), name, index));
    fw::RuntimeMassPropertySetter(c, record);
    return c;
  }

 protected:
  void Layout() override {
    if (log) log->push_back("Layout");
    if (layout) layout(*this);
  }
  void CreateControls() override {
    if (log) log->push_back("CreateControls");
    if (create) create(*this);
  }
  void Event_Open() override {
    if (log) log->push_back("Window.Open");
    if (open) open(*this);
  }
};

// Shows the window and waits until it is on the screen; false if it did not
// get there in time.
inline bool ShowAndWait(fw::Window& w) {
  if (!w.IsOpen()) w.Open();
  w.Widget()->show();
  const bool exposed = QTest::qWaitForWindowExposed(w.Widget());
  QApplication::processEvents();
  return exposed;
}

// What the window's content area shows now, in content coordinates.
inline QImage Grab(fw::Window& w) { return w.ContentArea()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// What the window system was last given to show of the window's content area
// (the window's backing store), in content coordinates at ratio 1. Unlike
// Grab, which paints the widgets anew, it holds whatever a repaint left
// unpainted as it was before.
inline QImage Screen(fw::Window& w) {
  QWidget* top = w.ContentArea()->window();
  QBackingStore* store = top->backingStore();
  const auto* image = store != nullptr ? dynamic_cast<const QImage*>(store->paintDevice()) : nullptr;
  if (image == nullptr) return {};
  const QRect area(w.ContentArea()->mapTo(top, QPoint(0, 0)), w.ContentArea()->size());
  return image->copy(area).convertToFormat(QImage::Format_RGB32);
}

inline fw::PropertyRecord Place(fw::Integer l, fw::Integer t, fw::Integer w, fw::Integer h) {
  return {{"Left", l}, {"Top", t}, {"Width", w}, {"Height", h}};
}

}  // namespace fwtest
