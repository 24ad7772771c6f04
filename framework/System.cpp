#include "System.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>

#include <cctype>

#include "detail/ControlInternal.h"
#include "detail/SystemInternal.h"

namespace fw {

namespace {

Integer beeps = 0;
Integer optionKeyQueries = 0;

struct Substitute {
  const char* requested;
  const char* family;
};
// The fonts that the set-up installs in place of the ones the program names.
// The prompts need a handwriting whose umlauts, ß and "!" read clearly at 32
// pixels and whose longest prompt fits the 540-pixel label on one line.
// The equations need lining figures (an old-style "1" reads like an "I" in a
// subscript) and the signs ∆ and τ; the control font must be narrow enough
// for "Regler     Strecke" and "Sprung" to fit their stored widths.
constexpr Substitute kSubstitutes[] = {
    {"Handwriting - Dakota", "Dancing Script"},
    {"Mistral", "Kaushan Script"},
    {"minion pro", "Liberation Serif"},
    {"times", "Liberation Serif"},
    {"System", "Liberation Sans"},
};

}  // namespace

namespace detail {

void RegisterFontSubstitutes() {
  for (const auto& s : kSubstitutes)
    QFont::insertSubstitution(QString::fromUtf8(s.requested), QString::fromUtf8(s.family));
}

}  // namespace detail

void Beep() {
  if (beeps < std::numeric_limits<Integer>::max()) ++beeps;
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) QApplication::beep();
}

Integer BeepCount() { return beeps; }

bool Keyboard::OptionKey() {
  // The window system is asked for the key as it is now (on X11 the server):
  // Alt may go down or up while another program has the keyboard, and no
  // event of this program then tells of it. Either Alt key counts: the
  // right one is AltGr on many layouts (Mod5 under X), which the toolkit
  // reports as the group switch.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return false;
  if (optionKeyQueries < std::numeric_limits<Integer>::max()) ++optionKeyQueries;
  return (QGuiApplication::queryKeyboardModifiers() & (Qt::AltModifier | Qt::GroupSwitchModifier)) != 0;
}

Integer Keyboard::OptionKeyQueries() { return optionKeyQueries; }

String ResolveFontFamily(const String& requested) {
  if (requested.empty()) return "Liberation Sans";
  for (const auto& s : kSubstitutes) {
    if (detail::SameName(requested, s.requested)) return s.family;
  }
  return requested;
}

}  // namespace fw
