// Turns a handler method of the main window into a toolkit event handler.
// The handler finds its receiver through the raising control's own window at
// every call, so an element copied from its array's template (which takes
// over the template's handlers) calls the window it belongs to. A control of
// another class than the method expects, or a control outside a main window,
// is passed over: the handler does nothing and reports the event unhandled.
#pragma once

#include "Control.h"
#include "Graphics.h"
#include "Q.h"

namespace binding {

template <class T>
T* Receiver(fw::Control& c, Q*& window) {
  window = dynamic_cast<Q*>(c.GetWindow());
  return window != nullptr ? dynamic_cast<T*>(&c) : nullptr;
}

// Open, Action, ValueChanged, TextChange: the control alone.
template <class T>
fw::Handler Bind(void (Q::*method)(T&)) {
  return [method](fw::Control& c, const fw::EventArgs&) {
    Q* window = nullptr;
    if (T* me = Receiver<T>(c, window)) (window->*method)(*me);
    return false;
  };
}

// Paint: the control, the graphics to draw on, the areas to repaint.
template <class T>
fw::Handler Bind(void (Q::*method)(T&, fw::Graphics&, const fw::Areas&)) {
  return [method](fw::Control& c, const fw::EventArgs& args) {
    static const fw::Areas kNoAreas;
    Q* window = nullptr;
    T* me = Receiver<T>(c, window);
    if (me != nullptr && args.g != nullptr) (window->*method)(*me, *args.g, args.areas ? *args.areas : kNoAreas);
    return false;
  };
}

// MouseMove: the control and the pointer position.
template <class T>
fw::Handler Bind(void (Q::*method)(T&, fw::Integer, fw::Integer)) {
  return [method](fw::Control& c, const fw::EventArgs& args) {
    Q* window = nullptr;
    if (T* me = Receiver<T>(c, window)) (window->*method)(*me, args.x, args.y);
    return false;
  };
}

// MouseDown: the control and the pointer position; returns whether handled.
template <class T>
fw::Handler Bind(bool (Q::*method)(T&, fw::Integer, fw::Integer)) {
  return [method](fw::Control& c, const fw::EventArgs& args) {
    Q* window = nullptr;
    T* me = Receiver<T>(c, window);
    return me != nullptr && (window->*method)(*me, args.x, args.y);
  };
}

}  // namespace binding
