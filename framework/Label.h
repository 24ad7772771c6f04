#pragma once

#include "TextControl.h"

namespace fw {

// A static text: one line centred vertically, or several lines from the top
// (Multiline). Events: Open, MouseDown (x, y; returns whether handled).
class Label : public TextControl {
 public:
  Label();
  std::string_view ClassName() const override { return "Label"; }

  const String& Text() const { return text_; }
  void SetText(const String& text);
  bool Multiline() const { return multiline_; }
  void SetMultiline(bool m);
  // 0 and 1 left, 2 centred, 3 right.
  Integer TextAlign() const { return textAlign_; }
  void SetTextAlign(Integer a);

 protected:
  bool ApplyProperty(const String& name, const PropertyValue& value) override;

 private:
  void UpdateLook() override;
  String text_;
  bool multiline_ = false;
  Integer textAlign_ = 0;
};

}  // namespace fw
