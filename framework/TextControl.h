#pragma once

#include "Control.h"

namespace fw {

// How a control draws its text. A size of 0 (or less) is the default size.
struct TextStyle {
  String font = "System";
  Single size = 0;
  bool bold = false;
  Color color{0, 0, 0};
};

// The base of the controls that show text in a style of their own (Label,
// TextField, PushButton, BevelButton). Every change of the style brings the
// widget up to date through UpdateLook. Italic and Underline are no members:
// they are read from the stored properties whenever the look is updated.
class TextControl : public Control {
 public:
  const String& TextFont() const { return style_.font; }
  void SetTextFont(const String& family);
  Single TextSize() const { return style_.size; }
  void SetTextSize(Single pixels);
  bool Bold() const { return style_.bold; }
  void SetBold(bool b);
  Color TextColor() const { return style_.color; }
  void SetTextColor(Color c);

 protected:
  TextControl() = default;

  // Shows the style and the rest of the class's look on its widget.
  virtual void UpdateLook() = 0;
  // Applies TextFont, TextSize, Bold, TextColor, Italic and Underline; false
  // for any other name. A value of the wrong type leaves the style as it was.
  bool ApplyTextProperty(const String& name, const PropertyValue& value);
  // Gives the widget the font of the style, italic and underlined as stored.
  void ApplyTextFont(QWidget& w) const;

 private:
  TextStyle style_;
};

}  // namespace fw
