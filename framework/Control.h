// The base of every control: name, index, place, visibility, events.
#pragma once

#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "Properties.h"
#include "Values.h"

class QWidget;

namespace fw {

class Graphics;
class Window;

// A rectangle: left, top, width, height.
struct Rect {
  Integer left = 0, top = 0, width = 0, height = 0;
};
using Areas = std::vector<Rect>;

// The events a handler can be connected to.
enum class Event { Open, Paint, Action, ValueChanged, TextChange, MouseDown, MouseMove };

// What an event hands its handler besides the control itself.
struct EventArgs {
  Graphics* g = nullptr;         // Paint: the graphics to draw on
  const Areas* areas = nullptr;  // Paint: the areas to repaint
  Integer x = 0, y = 0;          // MouseDown, MouseMove: pointer position in the control
};

// A connected handler: receives the control that raised the event and the
// event's arguments; returns what the event returns (MouseDown: handled).
using Handler = std::function<bool(class Control&, const EventArgs&)>;
using MenuHandler = std::function<bool()>;

class Control {
 public:
  // The index of a control that is no element of a control array.
  static constexpr Integer kNoIndex = std::numeric_limits<Integer>::min();

  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  // The class name, as stored properties and tests see it ("Canvas", ...).
  virtual std::string_view ClassName() const = 0;

  const String& Name() const { return name_; }
  Integer Index() const { return index_; }
  Window* GetWindow() const { return window_; }
  Control* Parent() const { return parent_; }

  // Place and size, in window coordinates also inside a parent control.
  // They take effect at once, also while the control paints.
  Integer Left() const;
  Integer Top() const;
  Integer Width() const;
  Integer Height() const;
  void SetLeft(Integer v);
  void SetTop(Integer v);
  virtual void SetWidth(Integer v);
  virtual void SetHeight(Integer v);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  Integer TabIndex() const { return tabIndex_; }

  // Repaints the control at the next turn of the event loop. erase is for
  // the classes that keep a picture of their own (Canvas); here it changes
  // nothing.
  virtual void Refresh(bool erase = true);

  // Removes the control from its window: its name and index are free again
  // and lookups no longer find it. The object itself goes at the next turn of
  // the event loop, so a handler that closes a control may still touch it.
  void Close();

  // Stored properties: applies a known one, keeps every one.
  void SetProperty(const String& name, const PropertyValue& value);
  const PropertyValue* StoredProperty(std::string_view name) const;
  const PropertyRecord& StoredRecord() const { return record_; }

  // Event connections (several per event run in the order connected).
  void AddEventHandler(Event e, Handler h);
  bool HasHandler(Event e) const;
  bool RaiseEvent(Event e, const EventArgs& args = {});
  const std::vector<std::pair<Event, Handler>>& Handlers() const { return handlers_; }

  // Menu handlers by menu item name.
  void AddMenuHandler(const String& itemName, MenuHandler h);
  bool HandleMenu(const String& itemName);
  bool HasMenuHandler(const String& itemName) const;
  // Whether the control can now do the framework's editing command of that
  // menu item (EditUndo, EditCut, EditCopy, EditPaste, EditClear,
  // EditSelectAll); a control by default can do none.
  virtual bool CanEdit(const String& /*itemName*/) const { return false; }

  // The Open event: the class's own Event_Open, which by default raises the
  // connected Open handlers. Run once by the window.
  void RunOpen();
  bool HasOpened() const { return opened_; }

  // Toolkit side, for the framework itself and for tests.
  QWidget* Widget() const { return widget_; }

 protected:
  Control();
  // Takes ownership of the widget that shows this control.
  void SetWidget(QWidget* w);

  virtual void Event_Open();
  // Known stored properties of this class; false if the name is not one.
  virtual bool ApplyProperty(const String& name, const PropertyValue& value);

 private:
  friend class Window;
  void Attach(Window* window, const String& name, Integer index);
  void SetParentControl(Control* parent);
  void ApplyGeometry();

  QWidget* widget_ = nullptr;
  Window* window_ = nullptr;
  Control* parent_ = nullptr;
  String name_;
  Integer index_ = kNoIndex;
  Integer left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool opened_ = false;
  Integer tabIndex_ = 0;
  PropertyRecord record_;
  std::vector<std::pair<Event, Handler>> handlers_;
  std::map<String, MenuHandler> menuHandlers_;
};

}  // namespace fw
