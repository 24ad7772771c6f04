#pragma once

#include "TextControl.h"

namespace fw {

// A button that shows a pressed state, `Value`, which only the program sets: a
// click raises Action and leaves Value alone, and setting Value raises no
// Action. With HasBackColor the face takes BackColor; the caption is drawn in
// TextColor, or, where that would not stand out from the face, in white or
// black. Bevel 0 is a thin frame, 1 and more a raised one. Events: Open, Action.
class BevelButton : public TextControl {
 public:
  BevelButton();
  std::string_view ClassName() const override { return "BevelButton"; }

  const String& Caption() const { return caption_; }
  void SetCaption(const String& c);
  bool Value() const { return value_; }
  void SetValue(bool v);
  Integer Bevel() const { return bevel_; }
  void SetBevel(Integer b);
  bool HasBackColor() const { return hasBackColor_; }
  void SetHasBackColor(bool b);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color c);

  // A click as the user makes it.
  void Push();

 protected:
  bool ApplyProperty(const String& name, const PropertyValue& value) override;

 private:
  friend class BevelWidget;
  void UpdateLook() override;
  String caption_;
  bool value_ = false;
  Integer bevel_ = 0;
  bool hasBackColor_ = false;
  Color backColor_{0, 0, 0};
};

}  // namespace fw
