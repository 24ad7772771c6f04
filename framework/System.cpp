#include "System.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>

#include <cctype>

#include "detail/Internal.h"

namespace fw {

namespace {

Integer beeps = 0;

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

// Follows the Alt key through the input events that reach the application.
class InputTracker : public QObject {
 public:
  bool seen = false;
  bool alt = false;

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        seen = true;
        if (key->key() == Qt::Key_Alt) {
          alt = event->type() == QEvent::KeyPress;
        } else {
          alt = key->modifiers().testFlag(Qt::AltModifier);
        }
        break;
      }
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
        seen = true;
        alt = static_cast<QInputEvent*>(event)->modifiers().testFlag(Qt::AltModifier);
        break;
      case QEvent::MouseMove:
        // A move reports a held key but is no evidence of its release: test
        // tools send moves without modifiers.
        if (static_cast<QInputEvent*>(event)->modifiers().testFlag(Qt::AltModifier)) {
          seen = true;
          alt = true;
        }
        break;
      case QEvent::ApplicationDeactivate:
        // The release of a key held when another program took the keyboard
        // reaches that program, not this one: a key held on return shows
        // again in the next press, click or move.
        alt = false;
        break;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }
};

InputTracker* tracker = nullptr;

}  // namespace

namespace detail {

void RegisterFontSubstitutes() {
  for (const auto& s : kSubstitutes) QFont::insertSubstitution(QString::fromUtf8(s.requested), QString::fromUtf8(s.family));
}

void InstallInputTracker() {
  if (tracker != nullptr || QCoreApplication::instance() == nullptr) return;
  tracker = new InputTracker;
  tracker->setParent(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(tracker);
}

}  // namespace detail

void Beep() {
  if (beeps < std::numeric_limits<Integer>::max()) ++beeps;
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) QApplication::beep();
}

Integer BeepCount() { return beeps; }

bool Keyboard::OptionKey() {
  if (tracker != nullptr && tracker->seen) return tracker->alt;
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return false;
  return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier);
}

String ResolveFontFamily(const String& requested) {
  if (requested.empty()) return "Liberation Sans";
  for (const auto& s : kSubstitutes) {
    if (detail::SameName(requested, s.requested)) return s.family;
  }
  return requested;
}

}  // namespace fw
