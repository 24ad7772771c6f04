// The toolkit's conversions and guards, defined in Control.cpp and shared by
// the toolkit's sources. Not part of the public interface: this header may
// include Qt, the public headers may not.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>

#include "Properties.h"
#include "Values.h"

class QWidget;

namespace fw {
class Control;
}  // namespace fw

namespace fw::detail {

// Sizes of controls and windows are kept within 0..kMaxSize pixels, positions
// within +/-kMaxCoord.
inline constexpr Integer kMaxSize = 32000;
inline constexpr Integer kMaxCoord = 1000000;
Integer ClampSize(Integer v);
Integer ClampCoord(Integer v);

// Property and control names compare without regard to ASCII case
// (Properties.h).
using fw::SameName;

QString ToQ(const String& s);
String FromQ(const QString& s);
QColor ToQColor(Color c);
Color FromQColor(const QColor& c);

// The pixel size for a text size: 0, negative or not a number gives the
// default size; the result lies within 1..1000.
int PixelSize(Single size);
// A font asked for by name (resolved through ResolveFontFamily).
QFont MakeFont(const String& family, Single size, bool bold, bool italic = false, bool underline = false);

// The control that a widget (or one of its ancestors) shows, or nullptr.
Control* ControlForWidget(const QWidget* w);

// Runs a control's event from a toolkit callback. An exception that escapes
// the program's handler ends the event loop with status 1 after a message;
// it never unwinds through the toolkit.
void RunGuarded(const std::function<void()>& fn);

}  // namespace fw::detail
