// The block diagram on the panel: the two blocks, the arrows, the letters.
#include "Q.h"

void Q::panel_Open(fw::Canvas& /*me*/) {}

// Built with the block diagram.
void Q::panel_Paint(fw::Canvas& /*me*/, fw::Graphics& /*g*/, const fw::Areas& /*areas*/) {}

// Built with the block diagram.
void Q::BuildSimpStr() {}

// Built with the block diagram.
void Q::DrawArrows() {}
