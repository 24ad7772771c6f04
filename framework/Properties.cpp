#include "Properties.h"

#include <cctype>
#include <cmath>

#include "Control.h"
#include "Window.h"

namespace fw {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

void RuntimeMassPropertySetter(Control& control, const PropertyRecord& record) {
  // A copy: applying a property may change the record being read (a control
  // given its own StoredRecord, say).
  const PropertyRecord copy = record;
  for (const auto& p : copy) control.SetProperty(p.name, p.value);
}

void RuntimeMassPropertySetter(Window& window, const PropertyRecord& record) {
  const PropertyRecord copy = record;
  for (const auto& p : copy) window.SetProperty(p.name, p.value);
}

Integer AsInteger(const PropertyValue& v, Integer fallback) {
  if (const auto* i = std::get_if<Integer>(&v)) return *i;
  if (const auto* s = std::get_if<Single>(&v)) return RuntimeCvtReal32ToSInt32(*s);
  return fallback;
}

bool AsBoolean(const PropertyValue& v, bool fallback) {
  if (const auto* b = std::get_if<bool>(&v)) return *b;
  return fallback;
}

Single AsSingle(const PropertyValue& v, Single fallback) {
  if (const auto* s = std::get_if<Single>(&v)) return *s;
  if (const auto* i = std::get_if<Integer>(&v)) return static_cast<Single>(*i);
  return fallback;
}

String AsString(const PropertyValue& v) {
  if (const auto* s = std::get_if<String>(&v)) return *s;
  return {};
}

Color AsColor(const PropertyValue& v, Color fallback) {
  if (const auto* c = std::get_if<Color>(&v)) return *c;
  return fallback;
}

}  // namespace fw
