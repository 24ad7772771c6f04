#include "TextControl.h"

#include <QWidget>

#include "detail/Internal.h"

namespace fw {

namespace {

bool StoredFlag(const Control& c, std::string_view name) {
  const PropertyValue* v = c.StoredProperty(name);
  return v != nullptr && AsBoolean(*v);
}

}  // namespace

void TextControl::SetTextFont(const String& family) {
  style_.font = family;
  UpdateLook();
}
void TextControl::SetTextSize(Single pixels) {
  style_.size = pixels;
  UpdateLook();
}
void TextControl::SetBold(bool b) {
  style_.bold = b;
  UpdateLook();
}
void TextControl::SetTextColor(Color c) {
  style_.color = c;
  UpdateLook();
}

bool TextControl::ApplyTextProperty(const String& name, const PropertyValue& value) {
  using detail::SameName;
  if (SameName(name, "TextFont")) {
    SetTextFont(AsString(value));
  } else if (SameName(name, "TextSize")) {
    SetTextSize(AsSingle(value, style_.size));
  } else if (SameName(name, "Bold")) {
    SetBold(AsBoolean(value, style_.bold));
  } else if (SameName(name, "TextColor")) {
    SetTextColor(AsColor(value, style_.color));
  } else if (SameName(name, "Italic") || SameName(name, "Underline")) {
    UpdateLook();
  } else {
    return false;
  }
  return true;
}

void TextControl::ApplyTextFont(QWidget& w) const {
  w.setFont(detail::MakeFont(style_.font, style_.size, style_.bold, StoredFlag(*this, "Italic"),
                             StoredFlag(*this, "Underline")));
}

}  // namespace fw
