// The signal chart: background, grid, curves, legend.
#include "Q.h"

// Built with the signal chart.
void Q::diagram_Paint(fw::Canvas& /*me*/, fw::Graphics& /*g*/, const fw::Areas& /*areas*/) {}

// Built with the signal chart.
void Q::Drw() {}
