// The OK-button dialogue, Restart, the loop cut and the input-shape choice.
#include "Q.h"

// Built with the dialogue.
void Q::LosBut_Action(fw::PushButton& /*me*/) {}

// Built with the dialogue.
void Q::RestartBtn_Action(fw::PushButton& /*me*/) {}

// Built with the dialogue.
void Q::CutBut_Action(fw::BevelButton& /*me*/) {}

// Built with the dialogue.
bool Q::friLab_MouseDown(fw::Label& /*me*/, Integer /*X*/, Integer /*Y*/) { return false; }
