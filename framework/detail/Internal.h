// Helpers shared by the toolkit's sources. Not part of the public interface:
// this header may include Qt, the public headers may not.
#pragma once

#include <QColor>
#include <QFont>
#include <QKeySequence>
#include <QString>

#include <functional>
#include <iosfwd>
#include <string_view>

#include "Properties.h"
#include "System.h"
#include "Values.h"

class QWidget;
class QImage;
class QPainter;
class QPalette;
class QRect;

namespace fw {
class Control;
class MenuItem;
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

// Borders on device pixels. At a fractional device pixel ratio (1.5) a
// widget's edges fall inside device pixels: the screen shows the widget's
// area rounded to whole device pixels, and a line drawn along a logical edge
// may land on the pixel just outside it and be lost. These work on the device
// pixels the widget does show, in the device coordinates of the painter.
// The device pixels that r, in the painter's own coordinates, shows on.
QRect DeviceRect(const QPainter& p, const QRect& r);
// Fills the device pixels d with the colour.
void FillDevicePixels(QPainter& p, const QRect& d, const QColor& colour);
// A frame line one device pixel thick, inset logical pixels inside r: its top
// and left in one colour, its bottom and right (drawn last) in the other.
void DrawFrameLine(QPainter& p, const QRect& r, int inset, const QColor& topLeft, const QColor& bottomRight);
// The colour of a focus mark: the outline the style gives a focused text
// field, dark enough against the window and a white control (over 4 : 1).
QColor FocusColour(const QPalette& palette);
// A focus mark: a band of width logical pixels (whole device pixels, at least
// one) along the inside of r, in FocusColour.
void DrawFocusMark(QPainter& p, const QRect& r, int width, const QPalette& palette);

// The control that a widget (or one of its ancestors) shows, or nullptr.
Control* ControlForWidget(const QWidget* w);

// Runs a control's event from a toolkit callback. An exception that escapes
// the program's handler ends the event loop with status 1 after a message;
// it never unwinds through the toolkit.
void RunGuarded(const std::function<void()>& fn);

// Start-up pieces (System.cpp).
void RegisterFontSubstitutes();
// Installs the toolkit's German translation from that directory in place of
// one installed before. Where it is missing, tells so on err, changes nothing
// and returns false: at the start the toolkit's texts then stay English.
bool InstallToolkitTranslation(const QString& directory, std::ostream& err);

// Menus (Menu.cpp): whether an item still exists, and its shortcut text
// ("Cmd+Q") as a key sequence; an empty or unreadable text gives none.
bool MenuItemAlive(const MenuItem* item);
QKeySequence ShortcutFromText(const String& text);

// Ends the event loop with a status, also when the loop has not started yet
// (Application::Run then returns at once).
void RequestQuit(Integer status);

}  // namespace fw::detail
