// Filling an input row of the signal matrix from the chosen input shape.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "TestSignals.h"

namespace model {
namespace {

// Every element starts at a marker, so that "left alone" is visible.
constexpr Single kMarker = 7.0f;

class FillInputTest : public testing::Test {
 protected:
  void SetUp() override { Restart(); }

  // Every element back at the marker and Time at 500, for the next case of a
  // table.
  void Restart() {
    Fill(s_);
    time_ = 500;
  }

  static void Fill(SignalMatrix& s) {
    for (Integer i = 0; i <= s.SignalBound(); ++i)
      for (Integer t = 0; t <= s.StepBound(); ++t) s(i, t) = kMarker;
  }

  // A complete curve (51 points) with the given heights at steps 1, 2, 3 and
  // 10 elsewhere.
  void DrawCurve(std::vector<Integer> first, Integer points = 51) {
    ix_.clear();
    iy_.clear();
    for (Integer t = 0; t < points; ++t) {
      ix_.push_back(10 * t);
      const auto k = static_cast<std::size_t>(t);
      iy_.push_back(t >= 1 && k <= first.size() ? first[k - 1] : 10);
    }
  }

  InputResult Fill(Integer sig, std::string_view shape, std::string_view yScale = "100") {
    return FillInput(s_, sig, time_, shape, HandCurve{ix_, iy_}, yScale);
  }

  // Row sig must hold value at every step from..to.
  void ExpectRow(Integer sig, Integer from, Integer to, Single value) {
    for (Integer t = from; t <= to; ++t) ASSERT_EQ(s_(sig, t), value) << "step " << t;
  }

  // What FillInput tells its caller to do.
  static void ExpectResult(const InputResult& r, bool ok, bool beep, bool repaintChart) {
    EXPECT_EQ(r.ok, ok);
    EXPECT_EQ(r.beep, beep);
    EXPECT_EQ(r.repaintChart, repaintChart);
  }

  SignalMatrix s_{4, 500};
  Integer time_ = 500;
  std::vector<Integer> ix_, iy_;
};

TEST_F(FillInputTest, FixedShapes) {
  struct Case {
    const char* shape;
    Single step1;
    Single later;  // steps 2 to 500
  };
  for (const Case c : {Case{" ", 0, 0}, Case{"Sprung", 1, 1}, Case{"Stoß", 1, 0}}) {
    SCOPED_TRACE(c.shape);
    Restart();
    ExpectResult(Fill(kW, c.shape), true, false, false);
    EXPECT_EQ(time_, 500);
    ExpectRow(kW, 0, 0, 0.0f);
    ExpectRow(kW, 1, 1, c.step1);
    ExpectRow(kW, 2, 500, c.later);
    ExpectRow(kZ, 0, 500, kMarker);  // the other input stays as it was
  }
}

TEST_F(FillInputTest, UnknownShapeWritesStepZeroOnly) {
  for (const char* shape : {"", "sprung", "Stoss", "Hand "}) {
    SCOPED_TRACE(shape);
    Restart();
    ExpectResult(Fill(kZ, shape), true, false, false);
    EXPECT_EQ(time_, 500);
    ExpectRow(kZ, 0, 0, 0.0f);
    ExpectRow(kZ, 1, 500, kMarker);
  }
}

TEST_F(FillInputTest, HandCurveIsScaledAsA64BitQuotientStoredIn32Bits) {
  struct Case {
    const char* yScale;
    Integer height;
    double stored;
  };
  const Case cases[] = {
      {"100", 50, 0.5},  {"100", 30, 0.30000001192092896}, {"100", -25, -0.25}, {"3", 7, 2.3333332538604736},
      {" 100", 50, 0.5},  // Val skips the blanks
      {"1,5", 3, 3},      // and reads no decimal comma
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.yScale) + " / " + std::to_string(c.height));
    Restart();
    DrawCurve({c.height, c.height});
    ExpectResult(Fill(kW, "Hand", c.yScale), true, false, true);
    EXPECT_EQ(time_, 50);
    EXPECT_EQ(s_(kW, 0), 0.0f);
    EXPECT_EQ(static_cast<double>(s_(kW, 1)), c.stored);
    EXPECT_EQ(static_cast<double>(s_(kW, 2)), c.stored);
  }
}

TEST_F(FillInputTest, HandCurveClearsTheRowBehindItsEnd) {
  DrawCurve({50, 30, -25});
  ASSERT_TRUE(Fill(kZ, "Hand").ok);
  EXPECT_EQ(s_(kZ, 50), 0.1f);  // 10 / 100
  // An earlier input must not come back after step 50 in a 500-step run.
  ExpectRow(kZ, 51, 500, 0.0f);
  ExpectRow(kW, 0, 500, kMarker);
}

TEST_F(FillInputTest, IncompleteCurveIsRefusedWithABeep) {
  struct Case {
    const char* name;
    Integer ixPoints;
    Integer iyPoints;
  };
  for (const Case c : {Case{"50 points", 50, 50}, Case{"no points", 0, 0}, Case{"52 points", 52, 52},
                       Case{"iy shorter than ix", 51, 50}}) {
    SCOPED_TRACE(c.name);
    Restart();
    DrawCurve({}, c.ixPoints);
    iy_.resize(static_cast<std::size_t>(c.iyPoints));
    ExpectResult(Fill(kW, "Hand"), false, true, false);
    EXPECT_EQ(time_, 50);
    ExpectRow(kW, 0, 0, 0.0f);
    ExpectRow(kW, 1, 500, kMarker);
  }
}

// The dialogue refuses these scales first; called with one anyway, the
// curve reads as all 0 (an infinite scale, "1e400", would give 0 by itself).
TEST_F(FillInputTest, ScaleWithoutAFiniteQuotientStoresZero) {
  for (const char* yScale : {"0", "", "abc", "-0", "1e-300", "1e400"}) {
    SCOPED_TRACE(yScale);
    Restart();
    DrawCurve({50});
    EXPECT_TRUE(Fill(kW, "Hand", yScale).ok);
    ExpectRow(kW, 0, 500, 0.0f);
  }
}

TEST_F(FillInputTest, NeverWritesOutsideTheMatrix) {
  DrawCurve({50});
  for (const char* shape : {" ", "Sprung", "Stoß", "Hand"}) {
    SCOPED_TRACE(shape);
    // Time beyond the steps the matrix holds.
    SignalMatrix small(4, 20);
    Fill(small);
    Integer time = std::numeric_limits<Integer>::max();
    EXPECT_TRUE(FillInput(small, kW, time, shape, HandCurve{ix_, iy_}, "100").ok);
    EXPECT_EQ(small(kW, 0), 0.0f);
    EXPECT_NE(small(kW, 20), kMarker);
    EXPECT_EQ(small(kZ, 20), kMarker);

    // A row the matrix lacks, and an empty matrix.
    for (const Integer sig : {-1, 5, std::numeric_limits<Integer>::max()}) {
      time = 500;
      EXPECT_TRUE(FillInput(s_, sig, time, shape, HandCurve{ix_, iy_}, "100").ok) << sig;
    }
    SignalMatrix empty(-1, -1);
    time = 500;
    EXPECT_TRUE(FillInput(empty, kW, time, shape, HandCurve{ix_, iy_}, "100").ok);
  }
  ExpectRow(kX, 0, 500, kMarker);
  ExpectRow(kW, 0, 500, kMarker);
}

TEST_F(FillInputTest, NoStepsBeyondTimeExceptTheImpulse) {
  time_ = 0;
  Fill(kW, "Sprung");
  ExpectRow(kW, 0, 0, 0.0f);
  ExpectRow(kW, 1, 500, kMarker);
  // The impulse sits at step 1 whatever Time is.
  Fill(kZ, "Stoß");
  EXPECT_EQ(s_(kZ, 1), 1.0f);
  ExpectRow(kZ, 2, 500, kMarker);
}

}  // namespace
}  // namespace model
