// Drawing on the chart's surface outside its paint event.
#pragma once

#include "Q.h"

// Runs op on the chart's drawing surface, fetched afresh for every operation.
template <class Op>
void OnChart(const Q& q, Op op) {
  if (fw::Canvas* chart = q.diagram()) op(chart->Graphics());
}
