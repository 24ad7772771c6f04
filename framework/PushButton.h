#pragma once

#include "Control.h"

namespace fw {

// A push button. Events: Open, Action (a click).
class PushButton : public Control {
 public:
  PushButton();
  std::string_view ClassName() const override { return "PushButton"; }

  const String& Caption() const { return caption_; }
  void SetCaption(const String& c);
  const String& TextFont() const { return textFont_; }
  void SetTextFont(const String& family);
  Single TextSize() const { return textSize_; }
  void SetTextSize(Single pixels);
  bool Bold() const { return bold_; }
  void SetBold(bool b);

  // A click as the user makes it (tests and keyboard activation).
  void Push();

 protected:
  bool ApplyProperty(const String& name, const PropertyValue& value) override;

 private:
  void UpdateLook();
  String caption_;
  String textFont_ = "System";
  Single textSize_ = 0;
  bool bold_ = false;
};

}  // namespace fw
