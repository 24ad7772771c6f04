#pragma once

#include "TextControl.h"

namespace fw {

// A one-line text entry. Events: Open, TextChange (after every change of the
// text, typed or set by the program).
class TextField : public TextControl {
 public:
  TextField();
  std::string_view ClassName() const override { return "TextField"; }

  String Text() const;
  void SetText(const String& text);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool r);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color c);
  // 0 and 1 left, 2 centred, 3 right.
  Integer Alignment() const { return alignment_; }
  void SetAlignment(Integer a);
  bool Border() const { return border_; }
  void SetBorder(bool b);

  // The editing commands of the Edit menu, on this field.
  void Undo();
  void Cut();
  void Copy();
  void Paste();
  void Clear();
  void SelectAll();
  // Undo with something to undo; Cut and Clear with a selection, Paste with
  // text on the clipboard, all three unless read-only; Copy with a
  // selection; Select All with text. Nothing while the field is disabled.
  bool CanEdit(const String& itemName) const override;

 protected:
  bool ApplyProperty(const String& name, const PropertyValue& value) override;

 private:
  void UpdateLook() override;
  bool readOnly_ = false;
  Color backColor_{255, 255, 255};
  Integer alignment_ = 0;
  bool border_ = true;
};

}  // namespace fw
