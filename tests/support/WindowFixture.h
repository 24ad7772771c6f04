// A main window with its menu bar, built and opened as the program does, and
// the user's steps through it: clicks, typed parameters and the road through
// the dialogue with the example loop, each step going on from the one before.
#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include <memory>
#include <string>

#include "Colours.h"
#include "ExampleLoop.h"
#include "Fixture.h"
#include "MenuBar1.h"
#include "Q.h"

class OpenWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    bar_ = std::make_unique<MenuBar1>();
    window_ = std::make_unique<Q>(bar_.get());
    window_->Open();
  }
  void TearDown() override {
    window_.reset();
    bar_.reset();
  }

  Q& q() { return *window_; }
  MenuBar1& bar() { return *bar_; }

  static void Click(fw::Control* c) {
    ASSERT_NE(c, nullptr);
    QTest::mouseClick(c->Widget(), Qt::LeftButton);
  }
  void Ok() { Click(q().LosBut()); }
  // Clicks on the input shape's label: each steps the shape's cycle on.
  void ClickShape(int times = 1) {
    for (int i = 0; i < times; ++i) Click(q().friLab());
  }
  std::string Prompt() { return q().Instruction()->Text(); }

  // Replaces a field's text as the user does: clear it, then type.
  void Enter(fw::Integer n, const char* text) {
    fw::TextField* f = q().param(n);
    ASSERT_NE(f, nullptr) << n;
    f->SetText("");
    QTest::keyClicks(f->Widget(), QString::fromUtf8(text));
    ASSERT_EQ(f->Text(), text) << n;
  }
  void Enter(const Fields& fields) {
    for (const Field& f : fields) Enter(f.n, f.text);
  }

  // The road through the dialogue from the start phase: the loop's
  // parameters typed and taken, into the disturbance phase ...
  void ToDisturbancePhase(const Fields& loop = kExampleLoop) {
    Ok();
    Enter(loop);
    Ok();
    ASSERT_EQ(q().Phase, 3) << Prompt();
  }
  // ... z the zero signal, into the reference phase ...
  void ToReferencePhase(const Fields& loop = kExampleLoop) {
    ToDisturbancePhase(loop);
    Ok();
    ASSERT_EQ(q().Phase, 4) << Prompt();
  }
  // ... and w a unit step, into the results.
  void ToResults(const Fields& loop = kExampleLoop) {
    ToReferencePhase(loop);
    ClickShape();
    Ok();
    ASSERT_EQ(q().Phase, 5) << Prompt();
  }
  // The input shape "Hand": three clicks on the shape's label.
  void ChooseHand() {
    ClickShape(3);
    ASSERT_EQ(q().friFld()->Text(), "Hand");
  }

 private:
  std::unique_ptr<MenuBar1> bar_;
  std::unique_ptr<Q> window_;
};

// The window shown on the screen.
class ShownWindow : public OpenWindow {
 protected:
  void SetUp() override {
    OpenWindow::SetUp();
    fwtest::ShowAndWait(q());
  }
};

// Drawn pixels whose colour matches, in the rectangle [x0, x1] x [y0, y1] of
// a canvas surface.
template <class Match>
int CountMatching(const fw::Canvas& canvas, int x0, int y0, int x1, int y1, Match match) {
  int n = 0;
  for (int x = x0; x <= x1; ++x)
    for (int y = y0; y <= y1; ++y)
      if (!canvas.PixelIsBlank(x, y) && match(canvas.PixelAt(x, y))) ++n;
  return n;
}

// Pixels of colour c in the rectangle.
inline int CountIn(const fw::Canvas& canvas, int x0, int y0, int x1, int y1, fw::Color c) {
  return CountMatching(canvas, x0, y0, x1, y1, [c](fw::Color p) { return p == c; });
}

// Pixels of dark ink in the rectangle: black lines, and the cores and
// smoothed edges of black letters.
inline int CountDarkIn(const fw::Canvas& canvas, int x0, int y0, int x1, int y1) {
  return CountMatching(canvas, x0, y0, x1, y1, [](fw::Color p) { return p.r < 128 && p.g < 128 && p.b < 128; });
}

// The first and last columns of a canvas surface that hold ink, -1 if none.
struct InkSpan {
  int first = -1, last = -1;
  long pixels = 0;
};

inline InkSpan InkOf(const fw::Canvas& c, int top = 0, int bottom = -1) {
  InkSpan span;
  if (bottom < 0) bottom = c.Height();
  for (int x = 0; x < c.Width(); ++x) {
    for (int y = top; y < bottom; ++y) {
      if (c.PixelIsBlank(x, y)) continue;
      if (span.first < 0) span.first = x;
      span.last = x;
      ++span.pixels;
    }
  }
  return span;
}
