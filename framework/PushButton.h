#pragma once

#include "TextControl.h"

namespace fw {

// A push button. Events: Open, Action (a click).
class PushButton : public TextControl {
 public:
  PushButton();
  std::string_view ClassName() const override { return "PushButton"; }

  const String& Caption() const { return caption_; }
  void SetCaption(const String& c);

  // A click as the user makes it (tests and keyboard activation).
  void Push();

 protected:
  bool ApplyProperty(const String& name, const PropertyValue& value) override;

 private:
  // The caption keeps the system's colour: no TextColor here.
  using TextControl::SetTextColor;
  using TextControl::TextColor;
  void UpdateLook() override;
  String caption_;
};

}  // namespace fw
