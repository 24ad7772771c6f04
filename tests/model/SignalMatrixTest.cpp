// Resizing the signal matrix keeps values by signal and step.
#include <gtest/gtest.h>

#include <limits>

#include "SignalMatrix.h"

namespace model {
namespace {

constexpr Integer kIntMax = std::numeric_limits<Integer>::max();

TEST(SignalMatrix, StartsWithOneElement) {
  const SignalMatrix s;
  EXPECT_EQ(s.SignalBound(), 0);
  EXPECT_EQ(s.StepBound(), 0);
  EXPECT_EQ(s(0, 0), 0.0f);
}

TEST(SignalMatrix, ResizeKeepsValuesBySignalAndStep) {
  SignalMatrix s(4, 50);
  s(3, 50) = 1.5f;
  s(4, 7) = -2.0f;
  s(1, 0) = 3.0f;

  // Growing the steps changes every row's start in memory; the values follow.
  s.Resize(4, 500);
  EXPECT_EQ(s(3, 50), 1.5f);
  EXPECT_EQ(s(4, 7), -2.0f);
  EXPECT_EQ(s(1, 0), 3.0f);
  EXPECT_EQ(s(3, 51), 0.0f);
  EXPECT_EQ(s(4, 500), 0.0f);

  s.Resize(6, 500);
  EXPECT_EQ(s(4, 7), -2.0f);
  EXPECT_EQ(s(6, 500), 0.0f);

  // Shrinking drops what lies outside and brings nothing back.
  s.Resize(3, 10);
  EXPECT_EQ(s(1, 0), 3.0f);
  s.Resize(4, 500);
  EXPECT_EQ(s(4, 7), 0.0f);
  EXPECT_EQ(s(3, 50), 0.0f);
  EXPECT_EQ(s(1, 0), 3.0f);
}

TEST(SignalMatrix, NegativeBoundLeavesNoElement) {
  for (const auto& [signals, steps] : {std::pair{-1, 500}, std::pair{4, -1}, std::pair{-1, -1},
                                       std::pair{std::numeric_limits<Integer>::min(), kIntMax}}) {
    SignalMatrix s(4, 500);
    s.Resize(signals, steps);
    EXPECT_EQ(s.SignalBound(), -1);
    EXPECT_EQ(s.StepBound(), -1);
    EXPECT_FALSE(s.Contains(0, 0));
    EXPECT_EQ(s.Get(0, 0), 0.0f);
    s.Set(0, 0, 1.0f);  // dropped
    s.Resize(1, 1);
    EXPECT_EQ(s(0, 0), 0.0f);
  }
}

TEST(SignalMatrix, HugeBoundsAreClippedToTheElementLimit) {
  struct Case {
    Integer signals, steps;
    Integer expectedSignals, expectedSteps;
  };
  constexpr auto kMax = static_cast<Integer>(SignalMatrix::kMaxElements);
  const Case cases[] = {
      {4, kIntMax, 4, kMax / 5 - 1},
      {kIntMax, 500, kMax - 1, 0},
      {kIntMax, kIntMax, kMax - 1, 0},
      {999, 99999, 999, kMax / 1000 - 1},
  };
  for (const auto& c : cases) {
    SignalMatrix s;
    s.Resize(c.signals, c.steps);
    EXPECT_EQ(s.SignalBound(), c.expectedSignals);
    EXPECT_EQ(s.StepBound(), c.expectedSteps);
    const auto elements = (std::int64_t{s.SignalBound()} + 1) * (std::int64_t{s.StepBound()} + 1);
    EXPECT_LE(elements, SignalMatrix::kMaxElements);
    s(s.SignalBound(), s.StepBound()) = 1.0f;  // the last element exists
  }
}

TEST(SignalMatrix, CheckedAccessOutsideTheBounds) {
  SignalMatrix s(4, 500);
  for (const auto& [signal, step] :
       {std::pair{-1, 0}, std::pair{5, 0}, std::pair{0, -1}, std::pair{0, 501}, std::pair{kIntMax, kIntMax}}) {
    EXPECT_FALSE(s.Contains(signal, step));
    s.Set(signal, step, 9.0f);
    EXPECT_EQ(s.Get(signal, step), 0.0f);
  }
  // The drops wrote nowhere: in particular not into the neighbouring row.
  EXPECT_EQ(s(1, 0), 0.0f);
  EXPECT_EQ(s(4, 500), 0.0f);
}

}  // namespace
}  // namespace model
