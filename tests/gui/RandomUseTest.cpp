// A long, seeded run of what a user can do in any order: OK, typing odd
// numbers into the parameter fields and the y scale, the shape label, CUT,
// Restart, the toggles, both sliders and strokes on the chart with and without
// the Option key. Whatever the order, the window stays in a sound state and
// (in the sanitizer build) nothing undefined happens on the way.
#include <QMainWindow>
#include <QTest>

#include <random>
#include <string>
#include <vector>

#include "WindowFixture.h"

namespace {

using fw::Integer;

const std::vector<std::string> kParameterTexts = {
    "", "0", "1", "2", "-1", "0.5", "3", "1e400", "-1e39", "1e-45", "abc", "4", "1,5", "  7", "0x10", "nan", "1e9"};
// Whole parameter sets, param(0) to param(13), that the dialogue accepts.
const std::vector<std::vector<std::string>> kLoops = {
    {"", "", "1", "2", "", "", "", "", "4", "1", "1", "", "", "1"},
    {"", "1", "", "1", "2", "", "", "2", "3", "1", "1", "", "", "2"},
    {"", "", "1", "1", "", "", "2", "", "1", "1", "1", "", "", "0"},
    {"1", "0.5", "2", "0.3", "1", "0.1", "0", "0", "2", "1", "1", "0", "0.5", "3"},
};
const std::vector<std::string> kScaleTexts = {"100", "0", "", "-50", "1e-300", "75", "abc", "1e300", "3"};

class RandomUse : public OpenWindow {
 protected:
  void Click(fw::Control* c) {
    if (c != nullptr && c->Visible() && c->Enabled() && c->Widget() != nullptr) {
      QTest::mouseClick(c->Widget(), Qt::LeftButton, {}, QPoint(c->Width() / 2, c->Height() / 2));
    }
  }
  void Type(fw::TextField* field, const std::string& text) {
    if (field == nullptr || !field->Visible()) return;
    field->SetText("");
    QTest::keyClicks(field->Widget(), QString::fromStdString(text));
  }
  void Stroke(std::mt19937& rng, bool withOption) {
    fw::Canvas* chart = q().diagram();
    if (withOption) QTest::keyPress(chart->Widget(), Qt::Key_Alt, Qt::AltModifier);
    std::uniform_int_distribution<int> rows(-20, 420);
    const int from = std::uniform_int_distribution<int>(0, 499)(rng);
    const int to = std::uniform_int_distribution<int>(from, 520)(rng);
    for (int x = from; x <= to; x += std::uniform_int_distribution<int>(1, 14)(rng)) {
      QTest::mouseMove(chart->Widget(), QPoint(x, rows(rng)));
    }
    if (withOption) QTest::keyRelease(chart->Widget(), Qt::Key_Alt, Qt::NoModifier);
  }
  template <class T>
  const T& Pick(std::mt19937& rng, const std::vector<T>& v) {
    return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(rng)];
  }

  // What must hold after every action.
  void ExpectSound(int action) {
    SCOPED_TRACE("after action " + std::to_string(action));
    ASSERT_GE(q().Phase, 1);
    ASSERT_LE(q().Phase, 5);
    EXPECT_EQ(q().s.SignalBound(), q().Phase == 1 && q().Time == 0 ? 0 : 4);
    if (q().Phase >= 2) {
      ASSERT_NE(q().Bx(1), nullptr);
      ASSERT_NE(q().Bx(2), nullptr);
      EXPECT_EQ(q().Bx(3), nullptr);
    }
    EXPECT_EQ(q().BBtn(5), nullptr);
    const Integer rows = q().SigLst()->ListCount();
    EXPECT_TRUE(rows == 0 || rows == 51 || rows == 501) << rows;
    EXPECT_EQ(q().ix.size(), q().iy.size());
    EXPECT_LE(q().ix.size(), 51u);
    EXPECT_FALSE(q().Instruction()->Text().empty());
  }
};

TEST_F(RandomUse, AnyOrderOfActionsKeepsTheWindowSound) {
  std::mt19937 rng(20261210);
  q().Widget()->show();
  for (int action = 0; action < 400; ++action) {
    switch (std::uniform_int_distribution<int>(0, 12)(rng)) {
      case 0:
      case 1:
      case 2: Click(q().LosBut()); break;
      case 3: Type(q().param(std::uniform_int_distribution<Integer>(0, 13)(rng)), Pick(rng, kParameterTexts)); break;
      case 4: Click(q().friLab()); break;
      case 5: Click(q().CutBut()); break;
      case 6: Click(q().RestartBtn()); break;
      case 7: Click(q().BBtn(std::uniform_int_distribution<Integer>(1, 4)(rng))); break;
      case 8: q().SlidX()->SetValue(std::uniform_int_distribution<Integer>(0, 600)(rng)); break;
      case 9: q().SlidY()->SetValue(std::uniform_int_distribution<Integer>(-50, 450)(rng)); break;
      case 10: Type(q().yFld(), Pick(rng, kScaleTexts)); break;
      case 11: Stroke(rng, std::uniform_int_distribution<int>(0, 3)(rng) != 0); break;
      case 12: {
        const auto& loop = Pick(rng, kLoops);
        for (Integer n = 0; n < 14; ++n) Type(q().param(n), loop[static_cast<std::size_t>(n)]);
        break;
      }
    }
    ExpectSound(action);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
