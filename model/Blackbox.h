// The equation block control: one block of the loop with its parameter vector
// and its typeset difference equation in a light-cyan box.
#pragma once

#include <string_view>

#include "Block.h"
#include "Canvas.h"

class Blackbox : public fw::Canvas, public model::Block {
 public:
  Blackbox() = default;
  std::string_view ClassName() const override { return "Blackbox"; }

  // Menu handler for the item name "Untitled": does nothing and reports the
  // command as handled.
  bool _Untitled_Action();

 protected:
  // Builds the equation tokens from the block's index (1 the controller,
  // every other index the plant's symbols).
  void Event_Open() override;
  // Sets the height to 60 and, for every block but the template, the width to
  // fit the equation, then draws the box and the tokens.
  void Event_Paint(fw::Graphics& g, const fw::Areas& areas) override;
  // The block's own stored values: re, nchc, chcList, dhList.
  bool ApplyProperty(const fw::String& name, const fw::PropertyValue& value) override;
};
