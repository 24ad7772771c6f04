// The main window: its controls (reached by name through the accessors), the
// dialogue, signal and chart state, and the handlers of the controls' events.
// The methods are grouped below by the file that implements them: shell/ holds
// the window, its parameter area, the dialogue and the calls into the loop
// model; drawing/ the block diagram, the arrows, the chart, its controls and
// the hand drawing.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "BevelButton.h"
#include "Blackbox.h"
#include "Canvas.h"
#include "Graphics.h"
#include "Label.h"
#include "Listbox.h"
#include "Menu.h"
#include "PushButton.h"
#include "SignalMatrix.h"
#include "Slider.h"
#include "TextField.h"
#include "Window.h"

class MenuBar1;

class Q : public fw::Window {
 public:
  using Integer = fw::Integer;

  // ---- Dialogue, signal and chart state ----
  Integer iSg = 0;                                       // read by nothing
  Integer nSg = 0;                                       // highest signal index, 4 once open
  Integer Time = 0;                                      // last simulated step
  model::SignalMatrix s;                                 // signals by index and step
  Integer yZero = 0;                                     // pixel row of the chart's zero line
  std::vector<Integer> ix = std::vector<Integer>(1, 0);  // hand-drawn curve: x pixels
  std::vector<Integer> iy = std::vector<Integer>(1, 0);  // and heights above the zero line
  Integer Phase = 0;                                     // dialogue phase 1 to 5, named below
  static constexpr Integer kStartPhase = 1;
  static constexpr Integer kParameterPhase = 2;
  static constexpr Integer kDisturbancePhase = 3;
  static constexpr Integer kReferencePhase = 4;
  static constexpr Integer kResultsPhase = 5;
  Integer nParam = 0;    // highest parameter index, 6 once open
  Integer boxIndex = 0;  // index of the block just created
  bool cut = false;      // the loop is cut open
  bool parKorr = false;  // parameter-correction mode
  Integer actual = 0;    // the block ParReady works on
  Integer wNorm = 0;     // read by nothing
  Integer RecMax = 0;    // x of the loop's right-hand line (diagram coordinates)
  Integer dx = 0;        // diagram to panel coordinates
  Integer dy = 0;

  // ---- shell/Q.cpp: making and opening the window and its controls, the
  // controls and menu items by name ----
  // menuBar: the program's one menu bar, installed by Layout; without one the
  // application's menu bar is taken, if there is any.
  explicit Q(MenuBar1* menuBar = nullptr);
  ~Q() override;

  // Control accessors: looked up afresh at every call; nullptr for a missing
  // control or array element.
  fw::Canvas* panel() const;
  fw::Label* nameLab(Integer index) const;
  Blackbox* Bx(Integer index) const;
  fw::Listbox* SigLst() const;
  fw::Slider* SlidY() const;
  fw::Label* TimeLab() const;
  fw::Slider* SlidX() const;
  fw::Canvas* diagram() const;
  fw::Label* Label1() const;
  fw::BevelButton* BBtn(Integer index) const;
  fw::Label* Instruction() const;
  fw::TextField* yFld() const;
  fw::Label* Clb() const;
  fw::PushButton* RestartBtn() const;
  fw::BevelButton* CutBut() const;
  fw::TextField* param(Integer index) const;
  fw::Canvas* parnam(Integer index) const;
  fw::Label* ReglerStrecke() const;
  fw::PushButton* LosBut() const;
  fw::TextField* friFld() const;
  fw::Label* friLab() const;

  // Menu accessors: the items of the window's menu bar by name.
  fw::MenuItem* EditMenu() const;
  fw::MenuItem* EditSelectAll() const;
  fw::MenuItem* UntitledMenu0() const;
  fw::MenuItem* EditClear() const;
  fw::MenuItem* EditPaste() const;
  fw::MenuItem* EditCopy() const;
  fw::MenuItem* EditCut() const;
  fw::MenuItem* UntitledMenu1() const;
  fw::MenuItem* EditUndo() const;
  fw::MenuItem* FileMenu() const;
  fw::QuitMenuItem* FileQuit() const;

  // New run-time elements, copies of their array's template.
  Blackbox& NewBx();
  fw::BevelButton& NewBBtn();

 protected:
  void Layout() override;
  void CreateControls() override;
  void Event_Open() override;

 private:
  void _CreateControls0();
  void _CreateControls1();
  // Makes the entries [first, last) of the control table.
  void MakeControls(std::size_t first, std::size_t last);
  fw::MenuItem* MenuItemNamed(const fw::String& name) const;

  MenuBar1* menuBar_;

  // ---- shell/ParameterArea.cpp: the parameter fields, their name labels and
  // heading; the value table's and the prompt's open handlers ----
 public:
  void param_Open(fw::TextField& me);
  void parnam_Open(fw::Canvas& me);
  void parnam_Paint(fw::Canvas& me, fw::Graphics& g, const fw::Areas& areas);
  void ReglerStrecke_Open(fw::Label& me);
  void SigLst_Open(fw::Listbox& me);
  void Instruction_Open(fw::Label& me);
  // Shows the parameter fields and their name labels.
  void getParam();

  // ---- shell/Dialogue.cpp: the OK-button dialogue, Restart, the loop cut and
  // the input-shape choice ----
 public:
  void LosBut_Action(fw::PushButton& me);
  void RestartBtn_Action(fw::PushButton& me);
  void CutBut_Action(fw::BevelButton& me);
  bool friLab_MouseDown(fw::Label& me, Integer X, Integer Y);

 private:
  // The OK-button dialogue's steps, one per phase, and what they share.
  void StartPhaseStep();
  void ParameterPhaseStep();
  void DisturbancePhaseStep();
  void ReferencePhaseStep();
  void ResultsPhaseStep();
  void ResultsStep();
  void Prompt(std::string_view text);
  void RestartHandCurve();
  void CloseBlocks();
  // Fills input row sig as the disturbance and the reference steps do; false,
  // with the refusal shown, when the y scale or the hand-drawn curve refuses it.
  bool InputAccepted(Integer sig);

  // ---- shell/LoopModel.cpp: the window's calls into the loop model ----
 public:
  // Writes both blocks' parameters into their shown equations and repaints them.
  void ParReady();
  // Fills row sig of s from the input shape in friFld; ok is false only for
  // an incomplete hand-drawn curve.
  void input(Integer sig, bool& ok);
  // Simulates the loop for steps 0 to Time and fills the value table.
  void Eval();

  // ---- drawing/BlockDiagram.cpp: the block diagram on the panel ----
 public:
  void panel_Open(fw::Canvas& me);
  void panel_Paint(fw::Canvas& me, fw::Graphics& g, const fw::Areas& areas);
  // Creates and places the two blocks and draws the block diagram.
  void BuildSimpStr();
  // Fits the panel to the blocks and draws the arrows and signal letters.
  void DrawArrows();
  // The block diagram redraw: arrows, then both summing junctions.
  void RedrawBlockDiagram();

 private:
  // A diagram coordinate shifted onto the panel: x - dx, y - dy.
  Integer PanelX(std::int64_t x) const;
  Integer PanelY(std::int64_t y) const;

  // ---- drawing/Arrows.cpp: arrows and summing junctions ----
 public:
  // One arrow: points x0, y0, x1, y1, x2, y2 in diagram coordinates; letter
  // "N", "O", "S" or "W" tells where the head points.
  void Pfeil(const std::vector<Integer>& points, const fw::String& letter);
  // One summing junction with its box's top left at (x, y), panel coordinates.
  void SubSymb(Integer x, Integer y);

  // ---- drawing/SignalChart.cpp: the signal chart ----
 public:
  void diagram_Paint(fw::Canvas& me, fw::Graphics& g, const fw::Areas& areas);
  // Draws the zero line and the toggled curves onto the chart.
  void Drw();

  // ---- drawing/ChartControls.cpp: zero-line and time sliders, y scale, curve
  // toggles ----
 public:
  void SlidY_Open(fw::Slider& me);
  void SlidY_ValueChanged(fw::Slider& me);
  void SlidX_Open(fw::Slider& me);
  void SlidX_ValueChanged(fw::Slider& me);
  void yFld_Open(fw::TextField& me);
  void yFld_TextChange(fw::TextField& me);
  void BBtn_Open(fw::BevelButton& me);
  void BBtn_Action(fw::BevelButton& me);

 private:
  // The chart redraw: the chart repainted, then the curves drawn over it.
  void ChartRedraw();

  // ---- drawing/HandCurve.cpp: drawing an input curve by hand on the chart ----
 public:
  void diagram_MouseMove(fw::Canvas& me, Integer X, Integer Y);
};

// The text of a label or text field reached through an accessor; the empty
// text for a control that does not exist.
template <class TextShowing>
fw::String TextOf(const TextShowing* control) {
  return control != nullptr ? control->Text() : fw::String();
}

// drawing/Arrows.cpp: a ring, the oval in the side x side box at (left, top)
// filled with `fill` and then outlined in `outline`, which stays the surface's
// colour.
void DrawRing(fw::Graphics& g, fw::Integer left, fw::Integer top, fw::Integer side, fw::Color fill, fw::Color outline);
