#pragma once

#include "Control.h"

namespace fw {

// A static text. Events: Open, MouseDown (x, y; returns whether handled).
class Label : public Control {
 public:
  Label();
  std::string_view ClassName() const override { return "Label"; }

  const String& Text() const { return text_; }
  void SetText(const String& text);
  Color TextColor() const { return textColor_; }
  void SetTextColor(Color c);
  const String& TextFont() const { return textFont_; }
  void SetTextFont(const String& family);
  Single TextSize() const { return textSize_; }
  void SetTextSize(Single pixels);
  bool Bold() const { return bold_; }
  void SetBold(bool b);
  bool Multiline() const { return multiline_; }
  void SetMultiline(bool m);
  // 0 and 1 left, 2 centred, 3 right.
  Integer TextAlign() const { return textAlign_; }
  void SetTextAlign(Integer a);

 protected:
  bool ApplyProperty(const String& name, const PropertyValue& value) override;

 private:
  void UpdateLook();
  String text_;
  Color textColor_{0, 0, 0};
  String textFont_ = "System";
  Single textSize_ = 0;
  bool bold_ = false;
  bool multiline_ = false;
  Integer textAlign_ = 0;
};

}  // namespace fw
