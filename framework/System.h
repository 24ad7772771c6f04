// System services: the beep, the keyboard state, fonts by name.
#pragma once

#include "Values.h"

namespace fw {

// Sounds the system beep.
void Beep();
// How many beeps sounded since the process started (for tests).
Integer BeepCount();

struct Keyboard {
  // True while the Option key (either Alt key here, AltGr too) is held, as the
  // window system has it at the moment of asking, whichever window had the
  // keyboard when the key went down or up.
  static bool OptionKey();
  // How many times OptionKey asked the window system since the process
  // started (for tests: each question is a round trip to the X server).
  static Integer OptionKeyQueries();
};

// The family that stands in for a font asked for by name: "Handwriting -
// Dakota", "Mistral", "minion pro", "times" and "System" map to the fonts that
// the set-up installs; any other name is asked for as it is.
String ResolveFontFamily(const String& requested);
// The pixel size used for a text size of 0.
inline constexpr Integer kDefaultTextSize = 12;

}  // namespace fw
