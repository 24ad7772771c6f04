// The rule by which a pointer move over the chart extends the hand-drawn curve.
#include <gtest/gtest.h>

#include <vector>

#include "HandCurve.h"

namespace model {
namespace {

constexpr Integer kWidth = 500;  // the chart: 50 steps of 10 pixels
constexpr Integer kHeight = 300;
constexpr Integer kZeroRow = 200;

// The points 0 to last, 10 pixels apart, all on the zero line.
struct Curve {
  explicit Curve(Integer last) {
    for (Integer n = 0; n <= last; ++n) {
      ix.push_back(10 * n);
      iy.push_back(0);
    }
  }
  std::vector<Integer> ix, iy;
};

struct Case {
  const char* what;
  Integer last;  // the curve's last point
  Integer X, Y;
  CurveMove::Kind kind;
  Integer x = 0, height = 0;  // the point taken
};

TEST(NextCurveMove, TakesOnePointPerStepToTheRight) {
  const Case cases[] = {
      {"fresh curve, first pixels", 0, 0, 100, CurveMove::kIgnore},
      {"fresh curve, within step 0", 0, 8, 100, CurveMove::kIgnore},
      {"fresh curve, step 1 begins", 0, 9, 100, CurveMove::kTakePoint, 10, 100},
      {"fresh curve, step 1 ends", 0, 18, 250, CurveMove::kTakePoint, 10, -50},
      {"fresh curve, step 2 skips one", 0, 19, 100, CurveMove::kBeep},
      {"fresh curve, step 2 skips one to its end", 0, 28, 100, CurveMove::kBeep},
      {"left of the last point", 4, 39, 100, CurveMove::kIgnore},
      {"on the last point", 4, 40, 100, CurveMove::kIgnore},
      {"within the last point's step", 4, 48, 100, CurveMove::kIgnore},
      {"the next step begins", 4, 49, 120, CurveMove::kTakePoint, 50, 80},
      {"the next step", 4, 55, 100, CurveMove::kTakePoint, 50, 100},
      {"the step after it begins", 4, 59, 100, CurveMove::kBeep},
      {"two steps on", 4, 65, 100, CurveMove::kBeep},
      {"left of the chart, with points", 4, -5, 100, CurveMove::kIgnore},
      {"the last step on the last column", 49, 499, 200, CurveMove::kTakePoint, 500, 0},
      {"right of the chart counts as its last column", 49, 2000, 200, CurveMove::kTakePoint, 500, 0},
      {"right of the chart, steps skipped", 40, 2000, 200, CurveMove::kBeep},
      {"left of the chart", 0, -1, 100, CurveMove::kIgnore},
      {"a complete curve takes no more", 50, 499, 100, CurveMove::kIgnore},
      {"above the chart counts as its top row", 0, 9, -40, CurveMove::kTakePoint, 10, 200},
      {"below the chart counts as its bottom row", 0, 9, 900, CurveMove::kTakePoint, 10, -99},
  };
  for (const Case& c : cases) {
    const Curve curve(c.last);
    const CurveMove move = NextCurveMove(HandCurve{curve.ix, curve.iy}, c.X, c.Y, kWidth, kHeight, kZeroRow);
    EXPECT_EQ(move.kind, c.kind) << c.what;
    EXPECT_EQ(move.x, c.x) << c.what;
    EXPECT_EQ(move.height, c.height) << c.what;
  }
}

TEST(NextCurveMove, StepWidthFollowsTheChartWidth) {
  const Curve fresh(0);
  const HandCurve curve{fresh.ix, fresh.iy};
  // 1000 pixels: 20 per step.
  EXPECT_EQ(NextCurveMove(curve, 18, 0, 1000, kHeight, kZeroRow).kind, CurveMove::kIgnore);
  EXPECT_EQ(NextCurveMove(curve, 19, 0, 1000, kHeight, kZeroRow).x, 20);
  // Narrower than half a pixel per step: no point at all.
  EXPECT_EQ(NextCurveMove(curve, 10, 0, 24, kHeight, kZeroRow).kind, CurveMove::kIgnore);
  EXPECT_EQ(NextCurveMove(curve, 10, 0, 0, kHeight, kZeroRow).kind, CurveMove::kIgnore);
  // A chart without rows leaves the pointer's row as it is.
  EXPECT_EQ(NextCurveMove(curve, 9, -40, kWidth, 0, kZeroRow).height, kZeroRow + 40);
}

TEST(CurveComplete, AtFiftyOnePointsWithAHeightEach) {
  const Curve complete(kHandSteps);
  EXPECT_TRUE(CurveComplete(HandCurve{complete.ix, complete.iy}));
  const Curve oneShort(kHandSteps - 1);
  EXPECT_FALSE(CurveComplete(HandCurve{oneShort.ix, oneShort.iy}));
  const std::vector<Integer> fewerHeights(complete.iy.begin(), complete.iy.end() - 1);
  EXPECT_FALSE(CurveComplete(HandCurve{complete.ix, fewerHeights}));
}

}  // namespace
}  // namespace model
