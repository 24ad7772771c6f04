// The OK-button dialogue driven by real clicks and keys: the phases with their
// prompts, the parameter refusals, the value table and the curve toggles,
// Restart, CUT and the input-shape cycle.

#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Block.h"
#include "System.h"
#include "WindowFixture.h"

namespace {

using fw::Integer;

const char* const kControllerSymbols = "T2∆2yi+T1∆yi+T0yi = K0ei-τ+K1∆ei-τ+K2∆2ei-τ";
const char* const kPlantSymbols = "T2∆2xi+T1∆xi+T0xi = K0ui-τ+K1∆ui-τ+K2∆2ui-τ";

class Dialogue : public OpenWindow {
 protected:
  void Restart() { Click(q().RestartBtn()); }
  void Cut() { Click(q().CutBut()); }

  std::string Shape() { return q().friFld()->Text(); }
  std::string Shown(Integer block) {
    const Blackbox* b = q().Bx(block);
    return b != nullptr ? model::EquationText(*b) : "(no block)";
  }

  // A complete hand-drawn curve, every point `height` pixels above the zero line.
  void DrawCurve(Integer height, std::size_t points = 51) {
    q().ix.clear();
    q().iy.clear();
    for (std::size_t t = 0; t < points; ++t) {
      q().ix.push_back(static_cast<Integer>(10 * t));
      q().iy.push_back(t == 0 ? 0 : height);
    }
  }
  void SetYScale(const char* text) { q().yFld()->SetText(text); }

  // What every click does, whatever the phase.
  void ExpectOpeningSteps() {
    EXPECT_FALSE(q().CutBut()->Visible());
    EXPECT_TRUE(q().ReglerStrecke()->Visible());
    EXPECT_EQ(q().s.SignalBound(), 4);
    EXPECT_EQ(q().s.StepBound(), 500);
  }

  void ExpectRow(Integer row, const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
      EXPECT_EQ(q().SigLst()->Cell(row, static_cast<Integer>(c)), cells[c]) << "row " << row << " column " << c;
    }
  }

  // The four toggles in a row above the table, shown and captioned.
  void ExpectToggles() {
    const Integer lefts[] = {65, 151, 237, 323};
    const char* captions[] = {"x", "y", "z", "w"};
    for (Integer i = 1; i <= 4; ++i) {
      const fw::BevelButton* b = q().BBtn(i);
      ASSERT_NE(b, nullptr) << i;
      EXPECT_TRUE(b->Visible()) << i;
      EXPECT_EQ(b->Left(), lefts[i - 1]) << i;
      EXPECT_EQ(b->Top(), 316) << i;
      EXPECT_EQ(b->Caption(), captions[i - 1]) << i;
    }
    EXPECT_EQ(q().BBtn(5), nullptr);
  }
  std::vector<fw::BevelButton*> Toggles() {
    std::vector<fw::BevelButton*> t;
    for (Integer i = 1; i <= 4; ++i) t.push_back(q().BBtn(i));
    return t;
  }
};

// ---- The whole road ----

TEST_F(Dialogue, LeadsFromTheStartThroughOneRunToAParameterCorrection) {
  // 1. Start phase.
  EXPECT_EQ(Prompt(), "Mit OK starten!");
  EXPECT_TRUE(q().CutBut()->Visible());
  EXPECT_FALSE(q().ReglerStrecke()->Visible());
  EXPECT_FALSE(q().param(0)->Visible());
  Ok();
  ExpectOpeningSteps();
  EXPECT_EQ(q().Time, 500);
  EXPECT_EQ(Prompt(), "Parameter eingeben!");
  EXPECT_EQ(q().Phase, 2);
  EXPECT_FALSE(q().parKorr);
  ASSERT_NE(q().Bx(1), nullptr);
  ASSERT_NE(q().Bx(2), nullptr);
  EXPECT_EQ(Shown(1), kControllerSymbols);
  EXPECT_EQ(Shown(2), kPlantSymbols);
  for (Integer n = 0; n <= 13; ++n) EXPECT_TRUE(q().param(n)->Visible()) << n;
  for (Integer k = 0; k <= 6; ++k) EXPECT_TRUE(q().parnam(k)->Visible()) << k;

  // 2. Parameter phase: the values go into the blocks' equations.
  Enter(kExampleLoop);
  Ok();
  ExpectOpeningSteps();
  EXPECT_EQ(Prompt(), "Störgröße definieren!");
  EXPECT_EQ(q().Phase, 3);
  EXPECT_EQ(q().Bx(1)->par, (std::vector<fw::Single>{0, 0, 1, 2, 0, 0, 0}));
  EXPECT_EQ(q().Bx(2)->par, (std::vector<fw::Single>{0, 4, 1, 1, 0, 0, 1}));
  EXPECT_EQ(Shown(1), "yi = 2ei");
  EXPECT_EQ(Shown(2), "4∆xi+xi = ui-1");
  EXPECT_EQ(q().dx, 25);
  EXPECT_EQ(q().dy, 55);
  EXPECT_TRUE(q().friLab()->Visible());
  EXPECT_TRUE(q().friFld()->Visible());
  EXPECT_EQ(q().friLab()->Text(), "z");
  EXPECT_EQ(Shape(), " ");
  EXPECT_EQ(q().ix, std::vector<Integer>{0});

  // 3. Disturbance phase: z is the zero signal.
  q().s(3, 7) = 9.0f;  // overwritten by the input step
  Ok();
  ExpectOpeningSteps();
  EXPECT_EQ(Prompt(), "Führungsgröße definieren!");
  EXPECT_EQ(q().Phase, 4);
  EXPECT_EQ(q().friLab()->Text(), "w");
  EXPECT_EQ(Shape(), " ");
  for (Integer t = 0; t <= 500; ++t) ASSERT_EQ(q().s(3, t), 0.0f) << t;

  // 4. Reference phase: w a unit step; the table, the toggles and the run.
  EXPECT_FALSE(q().Clb()->Visible());
  EXPECT_FALSE(q().SigLst()->Visible());
  EXPECT_EQ(q().BBtn(1), nullptr);
  EXPECT_FALSE(q().RestartBtn()->Enabled());
  ClickShape();
  EXPECT_EQ(Shape(), "Sprung");
  Ok();
  ExpectOpeningSteps();
  EXPECT_EQ(Prompt(), "Verläufe graphisch anzeigen!");
  EXPECT_EQ(q().Phase, 5);
  EXPECT_TRUE(q().Clb()->Visible());
  fw::Listbox& table = *q().SigLst();
  EXPECT_TRUE(table.Visible());
  EXPECT_EQ(table.ColumnCount(), 5);
  EXPECT_EQ(table.ColumnWidths(), "40");
  EXPECT_EQ(table.TextSize(), 16.0f);
  EXPECT_EQ(table.GridLinesVertical(), 3);
  ExpectToggles();
  for (fw::BevelButton* b : Toggles()) EXPECT_FALSE(b->Value());
  EXPECT_FALSE(q().friLab()->Visible());
  EXPECT_FALSE(q().friFld()->Visible());
  EXPECT_TRUE(q().RestartBtn()->Enabled());
  EXPECT_EQ(q().s(4, 0), 0.0f);
  for (Integer t = 1; t <= 500; ++t) ASSERT_EQ(q().s(4, t), 1.0f) << t;
  EXPECT_EQ(q().s(1, 1), 0.0f);
  EXPECT_EQ(q().s(2, 1), -2.0f);
  EXPECT_EQ(q().s(1, 2), 0.4f);
  EXPECT_EQ(q().s(2, 2), -1.2f);
  ASSERT_EQ(table.ListCount(), 501);
  ExpectRow(0, {"0", " 0.00", " 0.00", " 0.00", " 0.00"});
  ExpectRow(1, {"1", " 0.00", " -2.00", " 0.00", " 1.00"});
  ExpectRow(2, {"2", " 0.40", " -1.20", " 0.00", " 1.00"});
  ExpectRow(500, {"500", " 0.67", " -0.67", " 0.00", " 1.00"});

  // 5. Results phase: back to the parameters, blocks in symbols, table empty.
  const std::vector<fw::BevelButton*> toggles = Toggles();
  Ok();
  ExpectOpeningSteps();
  EXPECT_EQ(Prompt(), "Parameter ändern?");
  EXPECT_EQ(q().Phase, 2);
  EXPECT_TRUE(q().parKorr);
  EXPECT_EQ(Shown(1), kControllerSymbols);
  EXPECT_EQ(Shown(2), kPlantSymbols);
  EXPECT_EQ(q().Bx(1)->par, std::vector<fw::Single>(7, 0.0f));
  EXPECT_EQ(q().Bx(3), nullptr);
  EXPECT_EQ(table.ListCount(), 0);
  for (const Field& f : kExampleLoop) EXPECT_EQ(q().param(f.n)->Text(), f.text) << f.n;

  // 6. Parameter correction: the results at once, with the same z and w.
  Enter(3, "4");
  Ok();
  EXPECT_EQ(Prompt(), "Verläufe graphisch anzeigen!");
  EXPECT_EQ(q().Phase, 5);
  EXPECT_EQ(Shown(1), "yi = 4ei");
  ASSERT_EQ(table.ListCount(), 501);
  EXPECT_EQ(q().s(4, 1), 1.0f);
  EXPECT_EQ(q().s(3, 1), 0.0f);
  ExpectRow(1, {"1", " 0.00", " -4.00", " 0.00", " 1.00"});
  EXPECT_FALSE(q().friLab()->Visible());
  EXPECT_EQ(Toggles(), toggles);
  EXPECT_EQ(q().BBtn(5), nullptr);
}

TEST_F(Dialogue, APhaseOutsideTheDialogueRunsOnlyTheOpeningSteps) {
  for (Integer phase : {0, 6, -1, std::numeric_limits<Integer>::max(), std::numeric_limits<Integer>::min()}) {
    q().Phase = phase;
    q().s.Resize(4, 500);
    q().s(3, 7) = 0.25f;
    q().Time = 3;
    Ok();
    EXPECT_EQ(q().Phase, phase);
    EXPECT_EQ(q().Time, 500) << phase;
    EXPECT_EQ(q().s(3, 7), 0.25f) << phase;
    ExpectOpeningSteps();
    EXPECT_EQ(Prompt(), "Mit OK starten!") << phase;
    EXPECT_EQ(q().Bx(1), nullptr) << phase;
    EXPECT_FALSE(q().param(0)->Visible()) << phase;
  }
}

// ---- Parameter refusals ----

struct RefusalCase {
  const char* what;
  bool cut;
  Fields fields;
  const char* prompt;
};

// Test names and failure messages show the case by its name.
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.what; }

class ParameterRefusal : public Dialogue, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ParameterRefusal, KeepsThePhaseTheEquationsAndTheRefusedValues) {
  const RefusalCase& c = GetParam();
  if (c.cut) Cut();
  Ok();
  ASSERT_NE(q().Bx(1), nullptr);
  ASSERT_NE(q().Bx(2), nullptr);
  Enter(c.fields);
  q().s(3, 7) = 0.25f;
  Ok();
  EXPECT_EQ(Prompt(), c.prompt);
  EXPECT_EQ(q().Phase, 2);
  ExpectOpeningSteps();
  EXPECT_EQ(q().s(3, 7), 0.25f);
  EXPECT_EQ(Shown(1), kControllerSymbols);
  EXPECT_EQ(Shown(2), kPlantSymbols);
  EXPECT_FALSE(q().friLab()->Visible());
  for (const Field& f : c.fields) {
    const Blackbox* block = q().Bx(f.n < 7 ? 1 : 2);
    EXPECT_EQ(block->par[static_cast<std::size_t>(f.n % 7)], fw::ToSingle(fw::Val(q().param(f.n)->Text()))) << f.n;
  }
  // Refused again, unchanged, by a second click.
  Ok();
  EXPECT_EQ(Prompt(), c.prompt);
  EXPECT_EQ(q().Phase, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ParameterRefusal,
    ::testing::Values(
        RefusalCase{"AllEmptyClosedLoop", false, {}, "Totzeit berücksichtigen!"},
        RefusalCase{"AllEmptyCutLoop", true, {}, "Keine Verstärkung im Regler!"},
        RefusalCase{"ControllerWithoutGain", false, With({{2, "1"}}, kExamplePlant), "Keine Verstärkung im Regler!"},
        RefusalCase{"TextThatIsNoNumberIsZero", false, With(kExampleLoop, {{3, "zwei"}}),
                    "Keine Verstärkung im Regler!"},
        RefusalCase{"PlantWithoutGainNorTimeConstant", false, With(kExampleController, {{13, "1"}}),
                    "Keine Verstärkung in der Strecke!"},
        RefusalCase{"ControllerWithoutTimeConstant", false, With(kExampleLoop, {{2, ""}}),
                    "Keine Zeitkonstante im Regler!"},
        RefusalCase{"PlantWithoutTimeConstant", false, With(kExampleLoop, {{8, ""}, {9, ""}}),
                    "Keine Zeitkonstante in d.Strecke!"},
        // Before the five checks: a number typed with a decimal comma.
        RefusalCase{"DecimalCommaBeforeAnyOtherCheck", false, {{3, "0,5"}}, "Dezimalpunkt statt Komma!"},
        RefusalCase{"DecimalCommaInAnOtherwiseSoundLoop", false, With(kExampleLoop, {{10, "1,5"}}),
                    "Dezimalpunkt statt Komma!"},
        RefusalCase{"CommaInTextThatIsNoNumber", true, With(kExampleLoop, {{0, "a,b"}}), "Dezimalpunkt statt Komma!"},
        // Beyond the five checks: values the simulation cannot work with.
        RefusalCase{"ValueBeyondTheDoubles", false, With(kExampleLoop, {{4, "1e400"}}), "Parameterwert zu groß!"},
        RefusalCase{"ValueBeyondTheSingles", false, With(kExampleLoop, {{7, "1e39"}}), "Parameterwert zu groß!"},
        RefusalCase{"NegativeValueBeyondTheSingles", false, With(kExampleLoop, {{12, "-4e38"}}),
                    "Parameterwert zu groß!"},
        RefusalCase{"InfiniteDeadTimeIsTooLarge", false, With(kExampleLoop, {{6, "1e400"}}), "Parameterwert zu groß!"},
        RefusalCase{"NegativeDeadTime", false, With(kExampleLoop, {{6, "-1"}}), "Totzeit ganzzahlig ab 0 eingeben!"},
        RefusalCase{"DeadTimeBelowOneWithNoneInTheOther", false, With(kExampleLoop, {{6, "0.4"}, {13, "0"}}),
                    "Totzeit ganzzahlig ab 0 eingeben!"},
        RefusalCase{"PlantDeadTimeWithAFraction", false, With(kExampleLoop, {{13, "1.5"}}),
                    "Totzeit ganzzahlig ab 0 eingeben!"},
        RefusalCase{"NegativeDeadTimeWhileCut", true, With(kExampleLoop, {{13, "-2"}}),
                    "Totzeit ganzzahlig ab 0 eingeben!"},
        RefusalCase{"ControllerTimeConstantsCancel", false, With(kExampleLoop, {{0, "1"}, {1, "-1"}, {2, ""}}),
                    "Summe T2+T1+T0 im Regler ist 0!"},
        RefusalCase{"PlantTimeConstantsCancelIn32Bits", false, With(kExampleLoop, {{7, "1e8"}, {8, "1"}, {9, "-1e8"}}),
                    "Summe T2+T1+T0 in d.Strecke ist 0!"},
        RefusalCase{"DeadTimeBeforeCancellingTimeConstants", false,
                    With(kExampleLoop, {{8, "1"}, {9, "-1"}, {13, "-1"}, {6, "2"}}),
                    "Totzeit ganzzahlig ab 0 eingeben!"}),
    [](const ::testing::TestParamInfo<RefusalCase>& test) { return std::string(test.param.what); });

TEST_F(Dialogue, RefusesOnlyTheFirstFailingCheckAndAcceptsOnceAllPass) {
  Ok();
  Enter(With(kExampleController, {{13, "1"}}));  // the plant has neither gain nor time constant
  Ok();
  EXPECT_EQ(Prompt(), "Keine Verstärkung in der Strecke!");
  Enter(10, "1");
  Ok();
  EXPECT_EQ(Prompt(), "Keine Zeitkonstante in d.Strecke!");
  EXPECT_EQ(q().Phase, 2);
  Enter(9, "1");
  Ok();
  EXPECT_EQ(Prompt(), "Störgröße definieren!");
  EXPECT_EQ(q().Phase, 3);
  EXPECT_EQ(Shown(2), "xi = ui-1");
}

TEST_F(Dialogue, AcceptsWholeDeadTimesOfZeroInOneBlockAndLargeFiniteValues) {
  const Fields accepted[] = {
      With(kExampleLoop, {{6, "0"}, {13, "3"}}), With(kExampleLoop, {{6, "2"}, {13, "0"}}),
      With(kExampleLoop, {{3, "-2"}, {4, "3e38"}}),             // negative and large values pass
      With(kExampleLoop, {{7, "1e8"}, {8, "8"}, {9, "-1e8"}}),  // 1e8 + 8 - 1e8 is 8 in 32 bits
  };
  Ok();
  for (const Fields& fields : accepted) {
    for (Integer n = 0; n <= 13; ++n) q().param(n)->SetText("");
    Enter(fields);
    Ok();
    ASSERT_EQ(q().Phase, 3) << Prompt();
    Ok();
    ClickShape();
    Ok();
    EXPECT_EQ(q().Phase, 5) << Prompt();
    EXPECT_EQ(q().SigLst()->ListCount(), 501);
    Restart();
  }
}

// ---- CUT ----

class CutButton : public Dialogue {
 protected:
  // After `clicks` on CUT: the loop's state, both dead-time fields "0" when
  // they appear, and the answer to empty fields otherwise.
  void Check(int clicks, bool cutOpen, const char* prompt) {
    for (int i = 0; i < clicks; ++i) Cut();
    EXPECT_EQ(q().cut, cutOpen);
    EXPECT_EQ(q().CutBut()->Value(), cutOpen);
    Ok();
    EXPECT_FALSE(q().CutBut()->Visible());
    EXPECT_TRUE(q().param(6)->Visible());
    EXPECT_EQ(q().param(6)->Text(), "0");
    EXPECT_EQ(q().param(13)->Text(), "0");
    Ok();
    EXPECT_EQ(Prompt(), prompt);
    EXPECT_EQ(q().Phase, 2);
    EXPECT_EQ(q().cut, cutOpen);
  }
};

TEST_F(CutButton, OnceOpensTheLoopAndAllowsTwoDeadTimesOfZero) { Check(1, true, "Keine Verstärkung im Regler!"); }

TEST_F(CutButton, TwiceClosesTheLoopAndKeepsTheZeroDeadTimes) { Check(2, false, "Totzeit berücksichtigen!"); }

TEST_F(Dialogue, ACutLoopRunsWithBothDeadTimesZero) {
  Cut();
  Ok();
  Enter({{2, "1"}, {3, "1"}, {8, "1"}, {9, "1"}, {10, "1"}});
  Ok();
  ASSERT_EQ(q().Phase, 3) << Prompt();
  ClickShape(2);  // z a unit impulse
  Ok();
  Ok();  // w zero
  ASSERT_EQ(q().Phase, 5) << Prompt();
  EXPECT_EQ(q().s(1, 1), 0.5f);
  EXPECT_EQ(q().s(2, 1), 0.5f);
  EXPECT_EQ(q().s(1, 2), 0.25f);
}

// ---- The input-shape cycle ----

TEST_F(Dialogue, TheShapeCycleStepsOnAndPromptsForTheHandDrawnCurve) {
  ToDisturbancePhase();
  const std::pair<const char*, const char*> disturbance[] = {{"Sprung", "Störgröße definieren!"},
                                                             {"Stoß", "Störgröße definieren!"},
                                                             {"Hand", "mit Optionstaste Kurve zeichnen!"},
                                                             {" ", "Störgröße definieren!"}};
  for (const auto& [shape, prompt] : disturbance) {
    ClickShape();
    EXPECT_EQ(Shape(), shape);
    EXPECT_EQ(Prompt(), prompt) << shape;
  }
  Ok();
  ASSERT_EQ(q().Phase, 4);
  q().Instruction()->SetText("unverändert");
  const std::pair<const char*, const char*> reference[] = {{"Sprung", "unverändert"},
                                                           {"Stoß", "unverändert"},
                                                           {"Hand", "mit Optionstaste Kurve zeichnen!"},
                                                           {" ", "Führungsgröße definieren!"}};
  for (const auto& [shape, prompt] : reference) {
    ClickShape();
    EXPECT_EQ(Shape(), shape);
    EXPECT_EQ(Prompt(), prompt) << shape;
  }
  // A text outside the cycle stays, and so does the prompt.
  q().friFld()->SetText("Rampe");
  ClickShape();
  EXPECT_EQ(Shape(), "Rampe");
  EXPECT_EQ(Prompt(), "Führungsgröße definieren!");
  EXPECT_FALSE(q().friLab_MouseDown(*q().friLab(), 0, 0));
}

// ---- Hand-drawn inputs ----

TEST_F(Dialogue, AnIncompleteReferenceCurveIsRefusedWithABeepThenTheCompletedOneRuns51Steps) {
  ToReferencePhase();
  ChooseHand();
  SetYScale("100");
  const Integer beeps = fw::BeepCount();
  Ok();
  EXPECT_EQ(Prompt(), "Kurvenzug vervollständigen!");
  EXPECT_EQ(fw::BeepCount(), beeps + 1);
  EXPECT_EQ(q().Phase, 4);
  EXPECT_TRUE(q().Clb()->Visible());
  EXPECT_TRUE(q().SigLst()->Visible());
  EXPECT_EQ(q().SigLst()->ListCount(), 0);
  EXPECT_EQ(q().SigLst()->ColumnCount(), 5);
  ExpectToggles();
  EXPECT_TRUE(q().friLab()->Visible());
  const std::vector<fw::BevelButton*> toggles = Toggles();

  DrawCurve(30, 50);  // one point short
  Ok();
  EXPECT_EQ(Prompt(), "Kurvenzug vervollständigen!");
  EXPECT_EQ(fw::BeepCount(), beeps + 2);
  EXPECT_EQ(q().ix.size(), 50u);  // what was drawn stays

  DrawCurve(50);
  Ok();
  EXPECT_EQ(Prompt(), "Verläufe graphisch anzeigen!");
  EXPECT_EQ(q().Phase, 5);
  EXPECT_EQ(fw::BeepCount(), beeps + 2);
  EXPECT_EQ(q().Time, 50);
  EXPECT_EQ(q().s(4, 1), 0.5f);
  EXPECT_EQ(q().s(4, 50), 0.5f);
  ASSERT_EQ(q().SigLst()->ListCount(), 51);
  ExpectRow(50, {"50"});
  EXPECT_EQ(Toggles(), toggles);
  ExpectToggles();
}

TEST_F(Dialogue, AHandDrawnDisturbanceIsKeptUntilCompleteAndAStepReferenceRuns500Steps) {
  ToDisturbancePhase();
  ChooseHand();
  SetYScale("100");
  DrawCurve(25, 20);
  Ok();
  EXPECT_EQ(Prompt(), "Kurvenzug vervollständigen!");
  EXPECT_EQ(q().Phase, 3);
  EXPECT_EQ(q().ix.size(), 20u);
  DrawCurve(-25);
  Ok();
  EXPECT_EQ(Prompt(), "Führungsgröße definieren!");
  EXPECT_EQ(q().Phase, 4);
  EXPECT_EQ(q().s(3, 1), -0.25f);
  EXPECT_EQ(q().ix, std::vector<Integer>{0});  // a new curve for w
  EXPECT_EQ(q().iy.size(), 1u);
  ClickShape();
  Ok();
  EXPECT_EQ(q().Phase, 5);
  EXPECT_EQ(q().Time, 500);
  EXPECT_EQ(q().SigLst()->ListCount(), 501);
  EXPECT_EQ(q().s(3, 50), -0.25f);
}

TEST_F(Dialogue, AYScaleOfZeroOrNoFiniteNumberRefusesACompleteCurve) {
  const char* scales[] = {"0", "", "abc", "0.0e5", "1e400", "-1e400"};
  ToDisturbancePhase();
  ChooseHand();
  // An incomplete curve is refused first, whatever the scale.
  SetYScale("0");
  const Integer beeps = fw::BeepCount();
  Ok();
  EXPECT_EQ(Prompt(), "Kurvenzug vervollständigen!");
  EXPECT_EQ(fw::BeepCount(), beeps + 1);

  for (Integer phase : {3, 4}) {
    ASSERT_EQ(q().Phase, phase);
    if (phase == 4) ChooseHand();
    DrawCurve(50);
    // Signal index and phase coincide: z is row 3, w row 4.
    for (const char* scale : scales) {
      SetYScale(scale);
      q().s(phase, 1) = 7.0f;
      Ok();
      EXPECT_EQ(Prompt(), "y-Maßstab ungleich 0 eingeben!") << scale;
      EXPECT_EQ(q().Phase, phase) << scale;
      EXPECT_EQ(q().s(phase, 1), 7.0f) << scale;  // input has not run
      EXPECT_EQ(q().Time, 500) << scale;
    }
    EXPECT_EQ(fw::BeepCount(), beeps + 1);
    SetYScale("100");
    Ok();
    EXPECT_EQ(q().s(phase, 1), 0.5f);
  }
  EXPECT_EQ(q().Phase, 5);
  EXPECT_EQ(q().SigLst()->ListCount(), 51);
}

// ---- Restart ----

TEST_F(Dialogue, RestartInTheResultsPhaseClearsTheRunAndLeadsToNewInputs) {
  ToResults();
  const std::vector<fw::BevelButton*> toggles = Toggles();
  q().BBtn(1)->SetValue(true);
  q().BBtn(3)->SetValue(true);
  Restart();
  EXPECT_EQ(Prompt(), "Parameter eingeben!");
  EXPECT_EQ(q().Phase, 2);
  EXPECT_FALSE(q().parKorr);
  EXPECT_EQ(Shown(1), kControllerSymbols);
  EXPECT_EQ(Shown(2), kPlantSymbols);
  EXPECT_EQ(q().Bx(3), nullptr);
  EXPECT_EQ(q().SigLst()->ListCount(), 0);
  EXPECT_TRUE(q().SigLst()->Visible());
  EXPECT_TRUE(q().RestartBtn()->Enabled());
  for (fw::BevelButton* b : Toggles()) EXPECT_FALSE(b->Value());
  for (const Field& f : kExampleLoop) EXPECT_EQ(q().param(f.n)->Text(), f.text);
  EXPECT_EQ(q().s(4, 1), 1.0f);  // kept until the next run overwrites it

  // The unchanged fields are accepted and the run asks for new inputs.
  Ok();
  EXPECT_EQ(Prompt(), "Störgröße definieren!");
  EXPECT_EQ(q().Phase, 3);
  EXPECT_TRUE(q().friLab()->Visible());
  EXPECT_EQ(q().friLab()->Text(), "z");
  EXPECT_EQ(Shape(), " ");
  Ok();
  ClickShape(2);  // w a unit impulse this time
  Ok();
  EXPECT_EQ(q().Phase, 5);
  EXPECT_EQ(Toggles(), toggles);
  ExpectToggles();
  for (fw::BevelButton* b : Toggles()) EXPECT_FALSE(b->Value());
  EXPECT_EQ(q().SigLst()->ListCount(), 501);
  EXPECT_EQ(q().s(4, 2), 0.0f);
}

TEST_F(Dialogue, RestartTwiceInARowLeavesTheStateOfOneRestart) {
  ToResults();
  Restart();
  Restart();
  EXPECT_EQ(q().Phase, 2);
  EXPECT_EQ(Prompt(), "Parameter eingeben!");
  ASSERT_NE(q().Bx(1), nullptr);
  ASSERT_NE(q().Bx(2), nullptr);
  EXPECT_EQ(q().Bx(3), nullptr);
  EXPECT_EQ(q().Bx(1)->Index(), 1);
  EXPECT_EQ(Shown(1), kControllerSymbols);
  EXPECT_EQ(Shown(2), kPlantSymbols);
  EXPECT_EQ(q().SigLst()->ListCount(), 0);
  Ok();
  EXPECT_EQ(q().Phase, 3);
  EXPECT_EQ(Shown(1), "yi = 2ei");
}

TEST_F(Dialogue, RestartEndsParameterCorrection) {
  ToResults();
  Ok();
  ASSERT_TRUE(q().parKorr);
  Restart();
  EXPECT_FALSE(q().parKorr);
  Ok();
  EXPECT_EQ(Prompt(), "Störgröße definieren!");
  EXPECT_EQ(q().Phase, 3);
}

TEST_F(Dialogue, RestartDuringAnInputPhaseLeavesTheShapeChoiceShown) {
  ToResults();
  Restart();
  Ok();
  ASSERT_EQ(q().Phase, 3);
  ClickShape();
  Restart();
  EXPECT_EQ(q().Phase, 2);
  EXPECT_TRUE(q().friLab()->Visible());
  EXPECT_TRUE(q().friFld()->Visible());
  ClickShape();
  EXPECT_EQ(Shape(), "Stoß");
  Ok();
  EXPECT_EQ(q().Phase, 3);
  EXPECT_EQ(q().friLab()->Text(), "z");
  EXPECT_EQ(Shape(), " ");
}

}  // namespace
