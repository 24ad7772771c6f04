// Arrows and summing junctions of the block diagram.
#include "Q.h"

// Built with the block diagram.
void Q::Pfeil(const std::vector<Integer>& /*points*/, const fw::String& /*letter*/) {}

// Built with the block diagram.
void Q::SubSymb(Integer /*x*/, Integer /*y*/) {}
