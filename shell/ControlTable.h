// The main window's controls as data: one entry per control in creation order
// with its class, name, index, stored values and event connections.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "Control.h"
#include "Properties.h"

enum class ControlClass { Canvas, Blackbox, Label, Listbox, Slider, TextField, PushButton, BevelButton };

struct Connection {
  fw::Event event;
  fw::Handler handler;
};

struct ControlEntry {
  ControlClass cls;
  fw::String name;    // the control's name, or its array's name
  fw::Integer index;  // fw::Control::kNoIndex for a control that is no element
  fw::PropertyRecord record;
  std::vector<Connection> connections;  // in the order they are made
  bool untitledMenuHandler = false;     // the block's own handler for "Untitled"
};

// The 40 controls in creation order.
const std::vector<ControlEntry>& ControlTable();
// How many of them _CreateControls0 makes; _CreateControls1 makes the rest.
inline constexpr std::size_t kControlsOfFirstPass = 30;

// The window's own stored values.
const fw::PropertyRecord& WindowRecord();

std::unique_ptr<fw::Control> NewControlOf(ControlClass cls);
bool IsOfClass(const fw::Control& control, ControlClass cls);
