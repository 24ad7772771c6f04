// The chart's controls: zero-line and time sliders, y scale, curve toggles.
#include "Q.h"

// Built with the chart controls.
void Q::SlidY_Open(fw::Slider& /*me*/) {}

// Built with the chart controls.
void Q::SlidY_ValueChanged(fw::Slider& /*me*/) {}

// Built with the chart controls.
void Q::SlidX_ValueChanged(fw::Slider& /*me*/) {}

// Built with the chart controls.
void Q::SlidX_Open(fw::Slider& /*me*/) {}

// Built with the chart controls.
void Q::BBtn_Action(fw::BevelButton& /*me*/) {}

// Built with the chart controls.
void Q::BBtn_Open(fw::BevelButton& /*me*/) {}

// Built with the chart controls.
void Q::yFld_Open(fw::TextField& /*me*/) {}

// Built with the chart controls.
void Q::yFld_TextChange(fw::TextField& /*me*/) {}
