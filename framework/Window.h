// A top-level window with its controls, control arrays and menu bar.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "Control.h"
#include "Properties.h"

class QMainWindow;

namespace fw {

class MenuBar;

class Window {
 public:
  Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  // Builds the window (Layout and CreateControls), then runs the Open event of
  // every control in creation order and the window's own Event_Open, and
  // shows the window if its stored Visible is True. Runs once.
  void Open();
  bool IsOpen() const { return open_; }

  // ---- Registry (what the window's accessors use) ----
  // Registers a control under a name (and an array index, or kNoIndex), as a
  // child of the window. Returns the control.
  Control& AddControl(std::unique_ptr<Control> control, const String& name, Integer index = Control::kNoIndex);
  Control* ControlByName(std::string_view name) const;
  // nullptr when no element of that array holds the index.
  Control* ControlByNameIndex(std::string_view name, Integer index) const;
  // Every registered control in creation order.
  std::vector<Control*> Controls() const;
  Integer ControlCount() const;

  // ---- Control arrays ----
  // A new element of the array, a copy of its template (the first element the
  // array got): the template's stored properties and event handlers. It takes
  // the lowest free index above the template's, holds it before its Open
  // event runs, and, in an open window, has opened when this returns.
  // prepare runs on the new element before it is registered (to add menu
  // handlers of its own, say).
  template <class T>
  T& NewElement(const String& arrayName, const std::function<void(T&)>& prepare = {}) {
    auto element = std::make_unique<T>();
    T& ref = *element;
    AddElement(std::move(element), arrayName, [&] {
      if (prepare) prepare(ref);
    });
    return ref;
  }

  // ---- Stored properties of the window ----
  Integer Width() const;
  Integer Height() const;
  void SetWidth(Integer w);
  void SetHeight(Integer h);
  const String& Title() const { return title_; }
  void SetTitle(const String& t);
  Integer Frame() const { return frame_; }
  void SetFrame(Integer f) { frame_ = f; }
  Integer MinWidth() const { return minWidth_; }
  Integer MinHeight() const { return minHeight_; }
  Integer MaxWidth() const { return maxWidth_; }
  Integer MaxHeight() const { return maxHeight_; }
  bool CloseButton() const { return closeButton_; }
  bool MinimizeButton() const { return minimizeButton_; }
  bool MaximizeButton() const { return maximizeButton_; }
  bool FullScreenButton() const { return fullScreenButton_; }
  bool Resizeable() const { return resizeable_; }
  bool Visible() const { return visible_; }
  void SetProperty(const String& name, const PropertyValue& value);

  MenuBar* GetMenuBar() const { return menuBar_; }
  void SetMenuBar(MenuBar* bar);

  // Toolkit side: the top-level widget and the area that holds the controls.
  QMainWindow* Widget() const;
  QWidget* ContentArea() const;

 protected:
  // Building hooks and the window's own open event.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void Event_Open() {}

 private:
  friend class Control;
  void AddElement(std::unique_ptr<Control> element, const String& arrayName, const std::function<void()>& prepare);
  void Unregister(Control& control);
  void ApplyWindowFlags();
  void BuildMenus();

  struct Impl;
  std::unique_ptr<Impl> impl_;
  bool open_ = false;
  String title_;
  Integer frame_ = 0;
  Integer minWidth_ = 64, minHeight_ = 64, maxWidth_ = 32000, maxHeight_ = 32000;
  bool closeButton_ = true, minimizeButton_ = true, maximizeButton_ = true;
  bool fullScreenButton_ = false, resizeable_ = true, visible_ = true;
  MenuBar* menuBar_ = nullptr;
};

}  // namespace fw
