// Drawing an input curve by hand on the chart.
#include "Q.h"

// Built with the hand-drawn curve.
void Q::diagram_MouseMove(fw::Canvas& /*me*/, Integer /*X*/, Integer /*Y*/) {}
