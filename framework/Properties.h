// Stored properties: a control's (or a window's) design-time values as one
// record, applied in one call.
#pragma once

#include <cstddef>
#include <string_view>
#include <variant>
#include <vector>

#include "Values.h"

namespace fw {

using PropertyValue = std::variant<Integer, bool, Single, String, Color>;

struct Property {
  String name;
  PropertyValue value;
};

using PropertyRecord = std::vector<Property>;

class Control;
class Window;

// Property and control names compare without regard to ASCII case.
bool SameName(std::string_view a, std::string_view b);

// One stored property that a class C knows: its name and how a stored value
// is applied to a C. Each class lists its rows in its ApplyProperty (the
// window in SetProperty), and that list is all the class knows; a name it
// does not list goes on to its base class's list.
template <class C>
struct PropertyRow {
  std::string_view name;
  void (*apply)(C& c, const PropertyValue& value);
};

// The row that names the property, in any case; nullptr if the list has none.
// Any row type with a name member will do.
template <class Row, std::size_t N>
const Row* FindPropertyRow(const Row (&rows)[N], std::string_view name) {
  for (const Row& row : rows) {
    if (SameName(row.name, name)) return &row;
  }
  return nullptr;
}

// Applies the property if the list names it; false if it does not.
template <class C, std::size_t N>
bool ApplyListedProperty(const PropertyRow<C> (&rows)[N], C& c, std::string_view name, const PropertyValue& value) {
  const PropertyRow<C>* row = FindPropertyRow(rows, name);
  if (row == nullptr) return false;
  row->apply(c, value);
  return true;
}

// Gives every property of the record its stored value, in the record's order.
// Properties that a class does not know are kept as stored values only
// (Control::StoredProperty finds them).
void RuntimeMassPropertySetter(Control& control, const PropertyRecord& record);
void RuntimeMassPropertySetter(Window& window, const PropertyRecord& record);

// Typed reads of a property value; a value of another type gives the fallback,
// except that Integer and Single convert to each other (fractions cut off).
Integer AsInteger(const PropertyValue& v, Integer fallback = 0);
bool AsBoolean(const PropertyValue& v, bool fallback = false);
Single AsSingle(const PropertyValue& v, Single fallback = 0);
String AsString(const PropertyValue& v);
Color AsColor(const PropertyValue& v, Color fallback = {});

}  // namespace fw
