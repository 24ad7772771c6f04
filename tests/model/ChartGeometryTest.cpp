// The chart's pixels of steps and values, and back: the curves, the grid, the
// hand-drawn curve and the time slider.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "ChartGeometry.h"

namespace model {
namespace {

constexpr Double kNaN = std::numeric_limits<Double>::quiet_NaN();
constexpr Double kInfinity = std::numeric_limits<Double>::infinity();
constexpr Integer kLowest = std::numeric_limits<Integer>::min();
constexpr Integer kHighest = std::numeric_limits<Integer>::max();

// The opening chart: 500 x 400 pixels, zero line on row 200, y scale 100.
ChartGeometry Chart(Double steps, Single scale = 100) { return {500, 400, steps, scale, 200}; }

TEST(ChartGeometry, PlacesACurvePointByStepAndValue) {
  struct Case {
    const char* what;
    Double steps;
    std::int64_t step;
    Single value;
    Integer column, row;
  };
  const Case cases[] = {
      {"10 steps: 50 pixels a step", 10, 1, 1, 50, 100},
      {"50 steps: the 10th step", 50, 10, -0.5f, 100, 250},
      {"12 steps: p is a 32-bit float", 12, 10, 0, 417, 200},
      {"500 steps: a pixel a step", 500, 500, 2, 500, 0},
      {"120 steps: 12.5 in 64 bits, below it from the 32-bit p", 120, 3, 0, 12, 200},
      {"no steps: every step on column 0", 0, 7, 1, 0, 100},
  };
  for (const Case& c : cases) {
    const ChartGeometry chart = Chart(c.steps);
    EXPECT_EQ(chart.Column(c.step), c.column) << c.what;
    EXPECT_EQ(chart.Row(chart.HeightOf(c.value)), c.row) << c.what;
  }
  // Half way between two rows: Round takes the one farther from row 0.
  EXPECT_EQ(Chart(10).Row(1.5), 199);
  EXPECT_EQ(Chart(10).Row(-1.5), 202);
  EXPECT_EQ(Chart(12).StepPixels(), static_cast<Single>(500.0 / 12));
  // Too large for the scale: no place on the chart, and a row that saturates.
  EXPECT_FALSE(std::isfinite(Chart(10).HeightOf(1e37f)));
  EXPECT_EQ(Chart(10).Row(-kInfinity), kHighest);
  EXPECT_EQ(Chart(10).Row(kInfinity), kLowest);
}

TEST(ChartGeometry, RowsAndHeightsAboveTheZeroLineRoundTrip) {
  const ChartGeometry chart{.height = 400, .yZero = 200};
  for (const Integer row : {0, 1, 199, 200, 201, 399, 400, -50, 900}) {
    EXPECT_EQ(chart.Row(chart.HeightAt(row)), row) << row;
  }
  EXPECT_EQ(chart.HeightAt(0), 200);
  EXPECT_EQ(chart.HeightAt(300), -100);
  EXPECT_EQ((ChartGeometry{.yZero = kLowest}).HeightAt(1), kLowest);
  // The zero line's slider counts rows from the bottom edge up.
  EXPECT_EQ(chart.RowFromBottom(0), 400);
  EXPECT_EQ(chart.RowFromBottom(200), 200);
  EXPECT_EQ(chart.RowFromBottom(400), 0);
  EXPECT_EQ((ChartGeometry{.height = kHighest}).RowFromBottom(-1), kHighest);
}

TEST(ChartGeometry, RingRadiusHandStepAndShownSteps) {
  const struct {
    Double steps;
    Integer radius;
  } rings[] = {{0, 4}, {12, 4}, {24, 4}, {25, 4}, {34, 3}, {50, 2}, {100, 1}, {500, 0}};
  for (const auto& c : rings) EXPECT_EQ(Chart(c.steps).RingRadius(), c.radius) << c.steps;

  EXPECT_EQ((ChartGeometry{.width = 500}).HandStep(), 10);
  EXPECT_EQ((ChartGeometry{.width = 1000}).HandStep(), 20);
  EXPECT_EQ((ChartGeometry{.width = 25}).HandStep(), 1);
  EXPECT_EQ((ChartGeometry{.width = 24}).HandStep(), 0);

  const struct {
    Integer slider;
    Double steps;
  } zoom[] = {{500, 10}, {100, 50}, {10, 500}, {333, 15}, {3, 1667}, {-100, -50}};
  for (const auto& c : zoom) EXPECT_EQ(ShownSteps(c.slider), c.steps) << c.slider;
}

// The rows from first to last with the spacing between them, or every row.
std::vector<Integer> Rows(Integer first, Integer last, Integer spacing) {
  std::vector<Integer> rows;
  for (Integer y = first; y <= last; y += spacing) rows.push_back(y);
  return rows;
}

TEST(ChartGeometry, HorizontalGridRows) {
  struct Case {
    const char* what;
    ChartGeometry chart;
    std::vector<Integer> rows;
  };
  const Case cases[] = {
      {"the opening chart: i = -4 to 4", Chart(10), Rows(0, 400, 50)},
      {"a scale of 35: rows converted, not rounded", Chart(10, 35), {-10, 7,   25,  42,  60,  77,  95,  112, 130,
                                                                     147, 165, 182, 200, 217, 235, 252, 270, 287,
                                                                     305, 322, 340, 357, 375, 392, 410}},
      {"lines closer than a pixel: every row", Chart(10, 0.5f), Rows(0, 400, 1)},
      {"a negative scale draws none", Chart(10, -100), {}},
      {"a scale of 0 draws none", Chart(10, 0), {}},
      {"a scale that is no number draws none", Chart(10, static_cast<Single>(kNaN)), {}},
      {"an infinite scale draws none", Chart(10, static_cast<Single>(kInfinity)), {}},
      {"zero line below the chart: the lines above it", {500, 100, 10, 100, 300}, {0, 50, 100}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.chart.GridRows(8192), c.rows) << c.what;

  // A chart taller than the surface: the rows stop a line beyond its bound.
  const std::vector<Integer> tall = ChartGeometry{500, 20000, 10, 100, 0}.GridRows(8192);
  EXPECT_EQ(tall, Rows(0, 8250, 50));
  const std::vector<Integer> dense = ChartGeometry{500, 20000, 10, 0.5f, 0}.GridRows(8192);
  EXPECT_EQ(dense, Rows(0, 8192, 1));
}

TEST(ChartGeometry, VerticalGridColumns) {
  struct Case {
    const char* what;
    Double steps;
    std::vector<Integer> columns;
  };
  const Case cases[] = {
      {"10 steps: the right edge", 10, {500}},
      {"12 steps: where the 10th step lies", 12, {417}},
      {"50 steps", 50, {100, 200, 300, 400, 500}},
      {"9 steps: none", 9, {}},
  };
  for (const Case& c : cases) {
    const ChartGeometry chart = Chart(c.steps);
    ASSERT_TRUE(chart.HasGridColumns()) << c.what;
    EXPECT_FALSE(chart.GridColumnsDense()) << c.what;
    std::vector<Integer> columns;
    for (std::int64_t u = 1; u <= ChartGeometry::LastGridLine(c.steps); ++u) columns.push_back(chart.GridColumn(u));
    EXPECT_EQ(columns, c.columns) << c.what;
  }
  EXPECT_EQ(ChartGeometry::LastGridLine(500), 50);
  EXPECT_EQ(Chart(500).GridColumn(50), 500);
  EXPECT_FALSE(Chart(5000).GridColumnsDense());
  for (const Double none : {0.0, -10.0, kNaN, kInfinity}) EXPECT_FALSE(Chart(none).HasGridColumns()) << none;

  // Closer than a pixel: every column from the first line to the last, up to the bound.
  const ChartGeometry dense = Chart(10000);
  EXPECT_TRUE(dense.GridColumnsDense());
  const ChartGeometry::Span span = dense.GridColumnSpan(8192);
  EXPECT_EQ(span.from, 1);
  EXPECT_EQ(span.to, 500);
  EXPECT_EQ(dense.GridColumnSpan(300).to, 300);
  EXPECT_EQ((ChartGeometry{.width = 500, .steps = 1e9}).GridColumnSpan(8192).from, 0);
}

}  // namespace
}  // namespace model
