// The OK-button dialogue, Restart, the loop cut and the input-shape choice.
//
// The OK button leads through five phases: 1 start, 2 parameters, 3 the
// disturbance z, 4 the reference w, 5 the results; from the results it goes
// back to the parameters in parameter-correction mode, which keeps z and w and
// runs the results step as soon as the parameters are accepted. A refusal is a
// German prompt in Instruction and keeps the phase.
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "ParameterCheck.h"
#include "Prompts.h"
#include "Q.h"
#include "TestSignals.h"

namespace {

using fw::Integer;
using fw::String;

constexpr Integer kFirstStep = 500;  // the run's last step unless w is drawn by hand
constexpr Integer kStepColumn = 40;  // width of the value table's step column
constexpr Integer kToggleGap = 15;   // from the step column to the first toggle
constexpr Integer kTogglePitch = 86;
constexpr Integer kToggleRise = 24;  // the toggles' row above the table

// The prompt that refuses what was typed for the given reason; the empty text
// for what is accepted.
std::string_view RefusalPrompt(model::Refusal refusal) {
  using model::Refusal;
  switch (refusal) {
    case Refusal::kNone: break;
    case Refusal::kDecimalComma: return prompts::kDecimalComma;
    case Refusal::kNoDeadTime: return prompts::kNoDeadTime;
    case Refusal::kNoControllerGain: return prompts::kNoControllerGain;
    case Refusal::kNoPlantGain: return prompts::kNoPlantGain;
    case Refusal::kNoControllerTimeConstant: return prompts::kNoControllerTimeConstant;
    case Refusal::kNoPlantTimeConstant: return prompts::kNoPlantTimeConstant;
    case Refusal::kValueTooLarge: return prompts::kValueTooLarge;
    case Refusal::kDeadTimeNotWhole: return prompts::kDeadTimeNotWhole;
    case Refusal::kControllerTimeConstantsCancel: return prompts::kControllerTimeConstantsCancel;
    case Refusal::kPlantTimeConstantsCancel: return prompts::kPlantTimeConstantsCancel;
    case Refusal::kZeroScale: return prompts::kZeroScale;
  }
  return {};
}

}  // namespace

// ---- The OK button ----

void Q::LosBut_Action(fw::PushButton& /*me*/) {
  // Opening steps of every click. The resize keeps what s holds, so z from
  // the disturbance phase, and in parameter-correction mode z and w of the
  // run before, are still there when the simulation runs.
  Time = kFirstStep;
  s.Resize(nSg, Time);
  if (fw::BevelButton* cutButton = CutBut()) cutButton->SetVisible(false);
  if (fw::Label* heading = ReglerStrecke()) heading->SetVisible(true);

  switch (Phase) {
    case kStartPhase: StartPhaseStep(); break;
    case kParameterPhase: ParameterPhaseStep(); break;
    case kDisturbancePhase: DisturbancePhaseStep(); break;
    case kReferencePhase: ReferencePhaseStep(); break;
    case kResultsPhase: ResultsPhaseStep(); break;
    default: break;  // no phase of the dialogue: the opening steps only
  }
}

void Q::StartPhaseStep() {
  parKorr = false;
  BuildSimpStr();
  getParam();
  Prompt(prompts::kParameters);
  Phase = kParameterPhase;
}

void Q::ParameterPhaseStep() {
  Blackbox* controller = Bx(1);
  Blackbox* plant = Bx(2);
  if (controller == nullptr || plant == nullptr) return;  // both exist from the start phase on

  // All fourteen fields are stored before any check; a refused set stays in
  // par until the next click copies the fields again.
  std::vector<String> fields;
  for (Integer n = 0; n < 2 * model::kParameterCount; ++n) fields.push_back(TextOf(param(n)));
  model::FieldParameters read = model::ParametersFromFields(fields);
  controller->par = std::move(read.controller);
  plant->par = std::move(read.plant);

  const std::string_view refusal = RefusalPrompt(model::ParameterFieldsRefusal(fields, cut));
  if (!refusal.empty()) {
    Prompt(refusal);
    return;
  }

  ParReady();
  if (fw::Canvas* diagramPanel = panel()) diagramPanel->Refresh(true);
  RedrawBlockDiagram();

  if (parKorr) {
    ResultsStep();
    return;
  }
  // Into the disturbance phase.
  Prompt(prompts::kDisturbance);
  if (fw::Label* shapeLabel = friLab()) {
    shapeLabel->SetText("z");
    shapeLabel->SetVisible(true);
  }
  if (fw::TextField* shapeField = friFld()) {
    shapeField->SetVisible(true);
    shapeField->SetText(String(model::kShapeZero));
  }
  RestartHandCurve();
  Phase = kDisturbancePhase;
}

void Q::DisturbancePhaseStep() {
  // A refused curve stays, to be completed.
  if (!InputAccepted(model::kZ)) return;
  // Into the reference phase.
  Prompt(prompts::kReference);
  if (fw::Label* shapeLabel = friLab()) shapeLabel->SetText("w");
  if (fw::TextField* shapeField = friFld()) shapeField->SetText(String(model::kShapeZero));
  RestartHandCurve();
  Phase = kReferencePhase;
}

void Q::ReferencePhaseStep() {
  if (fw::Label* letter = Clb()) letter->SetVisible(true);
  fw::Listbox* table = SigLst();
  if (table != nullptr) {
    table->SetVisible(true);
    table->SetTextSize(16);
    table->SetGridLinesVertical(3);
    table->SetColumnWidths(fw::Str(kStepColumn));
    table->SetColumnCount(5);
    table->DeleteAllRows();
  }

  // The curve toggles x, y, z, w in a row above the table; each is made once
  // and keeps its pressed state when a later run shows it again.
  for (Integer i = 1; i <= 4; ++i) {
    if (BBtn(i) == nullptr) NewBBtn();
    fw::BevelButton* toggle = BBtn(i);
    if (toggle == nullptr || table == nullptr) continue;
    toggle->SetVisible(true);
    toggle->SetTop(table->Top() - kToggleRise);
    toggle->SetLeft(table->Left() + kStepColumn + kToggleGap + kTogglePitch * (i - 1));
    toggle->SetCaption(fw::NthField("x,y,z,w", ",", i));
  }

  // After a refusal the table stays shown and empty; the next click sets it
  // up again.
  if (!InputAccepted(model::kW)) return;
  ResultsStep();
}

// The end of an accepted reference phase, and of an accepted parameter phase
// in parameter-correction mode.
void Q::ResultsStep() {
  Prompt(prompts::kResults);
  if (fw::Label* shapeLabel = friLab()) shapeLabel->SetVisible(false);
  if (fw::TextField* shapeField = friFld()) shapeField->SetVisible(false);
  Eval();
  // Drawn over what the chart shows: the curves of a run before stay until
  // the chart is next repainted.
  Drw();
  if (fw::PushButton* restart = RestartBtn()) restart->SetEnabled(true);
  Phase = kResultsPhase;
}

void Q::ResultsPhaseStep() {
  Prompt(prompts::kChangeParameters);
  CloseBlocks();
  if (fw::Canvas* diagramPanel = panel()) diagramPanel->Refresh(true);
  if (fw::Listbox* table = SigLst()) table->DeleteAllRows();
  BuildSimpStr();
  getParam();
  parKorr = true;
  Phase = kParameterPhase;
}

// ---- Shared steps ----

void Q::Prompt(std::string_view text) {
  if (fw::Label* prompt = Instruction()) prompt->SetText(String(text));
}

void Q::RestartHandCurve() {
  ix.assign(1, 0);
  iy.resize(1);  // the hand drawing sets iy(0) before it draws
}

void Q::CloseBlocks() {
  // The controller and plant are closed plant first; the next BuildSimpStr
  // makes them again as Bx(1) and Bx(2).
  if (Blackbox* plant = Bx(2)) plant->Close();
  if (Blackbox* controller = Bx(1)) controller->Close();
}

// Fills input row sig from the chosen shape, as the disturbance and the
// reference steps do; false, with the refusal shown, when the y scale or an
// incomplete hand-drawn curve refuses it. The y scale is checked before the
// curve is read: a complete curve is read divided by it.
bool Q::InputAccepted(Integer sig) {
  const std::string_view refusal =
      RefusalPrompt(model::HandScaleRefusal(TextOf(friFld()), model::HandCurve{ix, iy}, TextOf(yFld())));
  if (!refusal.empty()) {
    Prompt(refusal);
    return false;
  }
  bool ok = false;
  input(sig, ok);
  if (!ok) Prompt(prompts::kIncompleteCurve);
  return ok;
}

// ---- Restart, CUT and the input shape ----

void Q::RestartBtn_Action(fw::PushButton& /*me*/) {
  if (fw::Canvas* diagramPanel = panel()) diagramPanel->Refresh(true);
  if (fw::Canvas* chart = diagram()) chart->Refresh(true);
  CloseBlocks();
  if (fw::Listbox* table = SigLst()) table->DeleteAllRows();
  parKorr = false;
  BuildSimpStr();
  getParam();
  Prompt(prompts::kParameters);
  for (std::int64_t i = 1; i <= nSg; ++i) {
    if (fw::BevelButton* toggle = BBtn(static_cast<Integer>(i))) toggle->SetValue(false);
  }
  Phase = kParameterPhase;
}

void Q::CutBut_Action(fw::BevelButton& me) {
  if (!cut) {
    cut = true;
    if (fw::TextField* controllerDeadTime = param(model::kTau)) controllerDeadTime->SetText("0");
    if (fw::TextField* plantDeadTime = param(model::kParameterCount + model::kTau)) plantDeadTime->SetText("0");
    me.SetValue(true);
  } else {
    // Closing the loop again leaves the dead-time fields as they are.
    cut = false;
    me.SetValue(false);
  }
}

bool Q::friLab_MouseDown(fw::Label& /*me*/, Integer /*X*/, Integer /*Y*/) {
  fw::TextField* shapeField = friFld();
  if (shapeField == nullptr) return false;
  const String shape = shapeField->Text();
  if (shape == model::kShapeZero) {
    shapeField->SetText(String(model::kShapeStep));
  } else if (shape == model::kShapeStep) {
    shapeField->SetText(String(model::kShapeImpulse));
  } else if (shape == model::kShapeImpulse) {
    shapeField->SetText(String(model::kShapeHand));
    Prompt(prompts::kDrawCurve);
  } else if (shape == model::kShapeHand) {
    shapeField->SetText(String(model::kShapeZero));
    Prompt(Phase == kReferencePhase ? prompts::kReference : prompts::kDisturbance);
  }
  return false;
}
