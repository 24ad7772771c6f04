// Stored properties: a control's (or a window's) design-time values as one
// record, applied in one call.
#pragma once

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
