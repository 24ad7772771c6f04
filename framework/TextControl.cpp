#include "TextControl.h"

#include <QWidget>

#include "detail/ControlInternal.h"

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
  using T = TextControl;
  static constexpr PropertyRow<T> kProperties[] = {
      {"TextFont", [](T& t, const PropertyValue& v) { t.SetTextFont(AsString(v)); }},
      {"TextSize", [](T& t, const PropertyValue& v) { t.SetTextSize(AsSingle(v, t.style_.size)); }},
      {"Bold", [](T& t, const PropertyValue& v) { t.SetBold(AsBoolean(v, t.style_.bold)); }},
      {"TextColor", [](T& t, const PropertyValue& v) { t.SetTextColor(AsColor(v, t.style_.color)); }},
      // Read from the stored record by ApplyTextFont.
      {"Italic", [](T& t, const PropertyValue&) { t.UpdateLook(); }},
      {"Underline", [](T& t, const PropertyValue&) { t.UpdateLook(); }},
  };
  return ApplyListedProperty(kProperties, *this, name, value);
}

void TextControl::ApplyTextFont(QWidget& w) const {
  w.setFont(detail::MakeFont(style_.font, style_.size, style_.bold, StoredFlag(*this, "Italic"),
                             StoredFlag(*this, "Underline")));
}

}  // namespace fw
