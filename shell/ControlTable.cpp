#include "ControlTable.h"

#include <utility>

#include "BevelButton.h"
#include "Binding.h"
#include "Blackbox.h"
#include "Canvas.h"
#include "Label.h"
#include "Listbox.h"
#include "PushButton.h"
#include "Q.h"
#include "Slider.h"
#include "TextField.h"

namespace {

using binding::Bind;
using fw::Color;
using fw::Event;
using fw::Integer;
using fw::PropertyRecord;
using fw::Single;
using fw::String;

constexpr Integer kPlain = fw::Control::kNoIndex;
const Color kBlack{0, 0, 0};
const Color kWhite{255, 255, 255};
const Color kRed{255, 0, 0};
const Color kShapeFieldGreen{72, 255, 154};

// Builds a record entry by entry, each typed as the property is stored.
class Record {
 public:
  Record& Int(const char* name, Integer v) { return Put(name, fw::PropertyValue{v}); }
  Record& Bool(const char* name, bool v) { return Put(name, fw::PropertyValue{v}); }
  Record& Size(const char* name, Single v) { return Put(name, fw::PropertyValue{v}); }
  Record& Text(const char* name, const String& v) { return Put(name, fw::PropertyValue{v}); }
  Record& Colour(const char* name, Color v) { return Put(name, fw::PropertyValue{v}); }
  Record& Add(const PropertyRecord& more) {
    record_.insert(record_.end(), more.begin(), more.end());
    return *this;
  }
  operator PropertyRecord() const { return record_; }

 private:
  Record& Put(const char* name, fw::PropertyValue v) {
    record_.push_back(fw::Property{name, std::move(v)});
    return *this;
  }
  PropertyRecord record_;
};

// ---- What every control stores ----

struct Place {
  const char* name;
  Integer index;
  Integer left, top, width, height;
  Integer tabIndex;
  bool visible, enabled;
};

enum class Parent { None, Empty, Panel };  // no InitialParent entry, "", "panel"

struct CommonOptions {
  Parent parent = Parent::Empty;
  bool lockTop = true;
  bool autoDeactivate = true;
};

PropertyRecord Common(const Place& p, CommonOptions o = {}) {
  Record r;
  r.Text("Name", p.name).Int("Index", p.index);
  r.Int("Left", p.left).Int("Top", p.top).Int("Width", p.width).Int("Height", p.height);
  r.Bool("LockLeft", true).Bool("LockTop", o.lockTop).Bool("LockRight", false).Bool("LockBottom", false);
  r.Int("TabIndex", p.tabIndex).Int("TabPanelIndex", 0);
  r.Bool("Visible", p.visible).Bool("Enabled", p.enabled);
  r.Text("HelpTag", "").Bool("AutoDeactivate", o.autoDeactivate);
  if (o.parent != Parent::None) r.Text("InitialParent", o.parent == Parent::Panel ? "panel" : "");
  return r;
}

Record& Style(Record& r, bool bold) {
  return r.Int("TextUnit", 0).Bool("Bold", bold).Bool("Italic", false).Bool("Underline", false);
}

// ---- What each class stores alike, with the values that differ ----

PropertyRecord CanvasValues(bool acceptFocus, bool useFocusRing) {
  Record r;
  r.Bool("TabStop", true).Bool("AcceptTabs", false).Bool("DoubleBuffer", false).Bool("EraseBackground", true);
  r.Bool("Transparent", true).Bool("AcceptFocus", acceptFocus).Bool("UseFocusRing", useFocusRing);
  return r;
}

struct LabelLook {
  String text = "";
  String font = "System";
  Single size = 0;
  Integer textAlign = 0;
  Color textColor = kBlack;
  bool multiline = false;
};

PropertyRecord LabelValues(const LabelLook& l) {
  Record r;
  r.Text("Text", l.text).Text("TextFont", l.font).Size("TextSize", l.size);
  r.Bool("Selectable", false).Bool("Transparent", false);
  Style(r, false);
  r.Text("DataSource", "").Text("DataField", "");
  r.Int("TextAlign", l.textAlign).Colour("TextColor", l.textColor).Bool("Multiline", l.multiline);
  return r;
}

struct FieldLook {
  Single size = 0;
  Color backColor = kWhite;
  bool readOnly = false;
  Integer alignment = 0;
  bool useFocusRing = true;
};

PropertyRecord TextFieldValues(const FieldLook& f) {
  Record r;
  r.Bool("TabStop", true).Bool("Border", true).Bool("Password", false).Colour("TextColor", kBlack);
  r.Text("Format", "").Text("CueText", "").Text("Text", "").Text("Mask", "").Int("LimitText", 0);
  r.Bool("AcceptTabs", false).Bool("AutomaticallyCheckSpelling", false);
  r.Text("TextFont", "System").Size("TextSize", f.size);
  Style(r, false);
  r.Text("DataSource", "").Text("DataField", "");
  r.Colour("BackColor", f.backColor).Bool("ReadOnly", f.readOnly).Int("Alignment", f.alignment);
  r.Bool("UseFocusRing", f.useFocusRing);
  return r;
}

PropertyRecord PushButtonValues(const String& caption, Single size, bool bold) {
  Record r;
  r.Text("Caption", caption).Bool("TabStop", true).Bool("Default", false).Bool("Cancel", false);
  r.Int("ButtonStyle", 7).Text("TextFont", "System").Size("TextSize", size);
  Style(r, bold);
  return r;
}

PropertyRecord BevelButtonValues(const String& caption, Single size, bool bold, Integer bevel, bool hasBackColor) {
  Record r;
  r.Text("Caption", caption).Bool("TabStop", true);
  r.Int("CaptionAlign", 3).Int("CaptionPlacement", 1).Int("CaptionDelta", 0);
  r.Int("IconAlign", 0).Int("IconDX", 0).Int("IconDY", 0).Int("HasMenu", 0);
  r.Colour("BackColor", kBlack).Colour("TextColor", kBlack).Bool("Value", false).Int("MenuValue", 0);
  r.Int("ButtonType", 0).Bool("AcceptFocus", false).Text("TextFont", "System").Size("TextSize", size);
  Style(r, bold);
  r.Int("Bevel", bevel).Bool("HasBackColor", hasBackColor);
  return r;
}

PropertyRecord SliderValues(Integer minimum, Integer value, Integer maximum) {
  Record r;
  r.Bool("TabStop", true).Int("LineStep", 1).Int("PageStep", 20).Bool("LiveScroll", false).Int("TickStyle", 0);
  r.Int("Minimum", minimum).Int("Value", value).Int("Maximum", maximum);
  return r;
}

PropertyRecord ListboxValues() {
  Record r;
  r.Bool("TabStop", true).Bool("Border", true).Int("ColumnCount", 1).Text("ColumnWidths", "");
  r.Bool("HasHeading", false).Bool("UseFocusRing", true).Text("InitialValue", "").Int("HeadingIndex", -1);
  r.Bool("ScrollbarHorizontal", false).Bool("ScrollBarVertical", true);
  r.Int("GridLinesHorizontal", 0).Int("GridLinesVertical", 3).Int("DefaultRowHeight", -1);
  r.Int("_ScrollWidth", -1).Int("_ScrollOffset", 0);
  r.Text("TextFont", "System").Size("TextSize", 0);
  Style(r, false);
  r.Bool("Hierarchical", false).Bool("EnableDrag", false).Bool("EnableDragReorder", false);
  r.Bool("RequiresSelection", false).Int("SelectionType", 0).Bool("ColumnsResizable", false);
  r.Bool("AutoHideScrollbars", true).Text("DataSource", "").Text("DataField", "");
  return r;
}

PropertyRecord Concat(PropertyRecord a, const PropertyRecord& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// ---- The array elements ----

ControlEntry Param(Integer index, Integer left, Integer top, Integer tabIndex) {
  return {ControlClass::TextField,
          "param",
          index,
          Concat(Common({"param", index, left, top, 80, 30, tabIndex, false, true}, {.parent = Parent::None}),
                 TextFieldValues({})),
          {{Event::Open, Bind(&Q::param_Open)}}};
}

ControlEntry Parnam(Integer index, Integer left, Integer top, Integer tabIndex) {
  return {ControlClass::Canvas,
          "parnam",
          index,
          Concat(Common({"parnam", index, left, top, 33, 30, tabIndex, false, true}), CanvasValues(false, true)),
          {{Event::Paint, Bind(&Q::parnam_Paint)}, {Event::Open, Bind(&Q::parnam_Open)}}};
}

std::vector<ControlEntry> MakeTable() {
  std::vector<ControlEntry> t;
  t.reserve(40);
  // 1
  t.push_back({ControlClass::Canvas,
               "panel",
               kPlain,
               Concat(Common({"panel", kPlain, 10, 10, 600, 300, 5, true, true}), CanvasValues(true, true)),
               {{Event::Open, Bind(&Q::panel_Open)}, {Event::Paint, Bind(&Q::panel_Paint)}}});
  // 2
  t.push_back({ControlClass::Label,
               "nameLab",
               0,
               Concat(Common({"nameLab", 0, 574, 380, 20, 20, 1, true, true}, {.parent = Parent::Panel}),
                      LabelValues({.size = 18})),
               {}});
  // 3
  t.push_back({ControlClass::Blackbox,
               "Bx",
               0,
               Record()
                   .Add(Common({"Bx", 0, 10, 240, 195, 60, 2, true, true}, {.parent = Parent::Panel}))
                   .Add(CanvasValues(true, false))
                   .Int("re", 0)
                   .Int("nchc", 0)
                   .Text("chcList", "")
                   .Text("dhList", ""),
               {},
               true});
  // 4
  t.push_back({ControlClass::Listbox,
               "SigLst",
               kPlain,
               Concat(Common({"SigLst", kPlain, 10, 340, 400, 355, 62, true, true}), ListboxValues()),
               {{Event::Open, Bind(&Q::SigLst_Open)}}});
  // 5
  t.push_back({ControlClass::Slider,
               "SlidY",
               kPlain,
               Concat(Common({"SlidY", kPlain, 654, 40, 25, 417, 66, true, true}), SliderValues(1, 0, 0)),
               {{Event::Open, Bind(&Q::SlidY_Open)}, {Event::ValueChanged, Bind(&Q::SlidY_ValueChanged)}}});
  // 6
  t.push_back({ControlClass::Label,
               "TimeLab",
               kPlain,
               Concat(Common({"TimeLab", kPlain, 1150, 481, 44, 20, 106, true, true}),
                      LabelValues({.size = 18, .textAlign = 2})),
               {}});
  // 7
  t.push_back({ControlClass::Slider,
               "SlidX",
               kPlain,
               Concat(Common({"SlidX", kPlain, 678, 457, 510, 23, 108, true, true}), SliderValues(0, 0, 100)),
               {{Event::ValueChanged, Bind(&Q::SlidX_ValueChanged)}, {Event::Open, Bind(&Q::SlidX_Open)}}});
  // 8
  t.push_back({ControlClass::Canvas,
               "diagram",
               kPlain,
               Concat(Common({"diagram", kPlain, 691, 44, 500, 400, 109, true, true}), CanvasValues(false, true)),
               {{Event::Paint, Bind(&Q::diagram_Paint)}, {Event::MouseMove, Bind(&Q::diagram_MouseMove)}}});
  // 9
  t.push_back({ControlClass::Label,
               "Label1",
               kPlain,
               Concat(Common({"Label1", kPlain, 709, 12, 25, 20, 110, true, false}, {.autoDeactivate = false}),
                      LabelValues({.text = "%", .size = 20})),
               {}});
  // 10
  t.push_back(
      {ControlClass::BevelButton,
       "BBtn",
       0,
       Concat(Common({"BBtn", 0, 1050, 671, 40, 20, 115, true, true}), BevelButtonValues("", 0, false, 0, false)),
       {{Event::Action, Bind(&Q::BBtn_Action)}, {Event::Open, Bind(&Q::BBtn_Open)}}});
  // 11
  t.push_back({ControlClass::Label,
               "Instruction",
               kPlain,
               Concat(Common({"Instruction", kPlain, 649, 506, 540, 67, 104, true, true}),
                      LabelValues({.font = "Handwriting - Dakota", .size = 32, .textColor = kRed, .multiline = true})),
               {{Event::Open, Bind(&Q::Instruction_Open)}}});
  // 12
  t.push_back({ControlClass::TextField,
               "yFld",
               kPlain,
               Concat(Common({"yFld", kPlain, 650, 9, 49, 28, 119, true, true}),
                      TextFieldValues({.size = 20, .alignment = 1, .useFocusRing = false})),
               {{Event::Open, Bind(&Q::yFld_Open)}, {Event::TextChange, Bind(&Q::yFld_TextChange)}}});
  // 13
  t.push_back({ControlClass::Label,
               "Clb",
               kPlain,
               Concat(Common({"Clb", kPlain, 417, 329, 33, 49, 153, false, true}),
                      LabelValues({.text = "C", .font = "Mistral", .size = 50, .textColor = kRed})),
               {}});
  // 14
  t.push_back({ControlClass::PushButton,
               "RestartBtn",
               kPlain,
               Concat(Common({"RestartBtn", kPlain, 1102, 603, 88, 86, 154, true, false}),
                      PushButtonValues("Restart", 18, false)),
               {{Event::Action, Bind(&Q::RestartBtn_Action)}}});
  // 15
  t.push_back({ControlClass::BevelButton,
               "CutBut",
               kPlain,
               Concat(Common({"CutBut", kPlain, 770, 591, 53, 101, 155, true, true}),
                      BevelButtonValues("CUT", 18, true, 1, true)),
               {{Event::Action, Bind(&Q::CutBut_Action)}}});
  // 16 to 33
  t.push_back(Param(0, 428, 457, 160));
  t.push_back(Param(1, 429, 491, 165));
  t.push_back(Param(2, 429, 526, 166));
  t.push_back(Param(3, 429, 560, 167));
  t.push_back(Parnam(3, 516, 557, 170));
  t.push_back(Parnam(2, 517, 523, 171));
  t.push_back(Parnam(1, 516, 488, 172));
  t.push_back(Parnam(0, 516, 456, 173));
  t.push_back(Param(4, 429, 591, 175));
  t.push_back(Param(5, 428, 629, 176));
  t.push_back(Parnam(5, 515, 625, 177));
  t.push_back(Parnam(4, 516, 591, 178));
  t.push_back(Param(11, 552, 595, 179));
  t.push_back(Param(10, 552, 560, 180));
  t.push_back(Param(9, 553, 526, 181));
  t.push_back(Param(8, 553, 492, 182));
  t.push_back(Param(7, 553, 457, 183));
  t.push_back(Param(6, 428, 661, 184));
  // 34
  t.push_back({ControlClass::Label,
               "ReglerStrecke",
               kPlain,
               Concat(Common({"ReglerStrecke", kPlain, 429, 420, 193, 32, 185, false, true}),
                      LabelValues({.text = "Regler     Strecke", .size = 23})),
               {{Event::Open, Bind(&Q::ReglerStrecke_Open)}}});
  // 35
  t.push_back({ControlClass::PushButton,
               "LosBut",
               kPlain,
               Concat(Common({"LosBut", kPlain, 649, 590, 112, 106, 186, true, true}, {.lockTop = false}),
                      PushButtonValues("OK", 48, true)),
               {{Event::Action, Bind(&Q::LosBut_Action)}}});
  // 36 to 38
  t.push_back(Parnam(6, 517, 661, 188));
  t.push_back(Param(12, 556, 629, 189));
  t.push_back(Param(13, 556, 661, 190));
  // 39
  t.push_back(
      {ControlClass::TextField,
       "friFld",
       kPlain,
       Concat(Common({"friFld", kPlain, 905, 588, 80, 35, 192, false, false}),
              TextFieldValues({.size = 21, .backColor = kShapeFieldGreen, .readOnly = true, .useFocusRing = false})),
       {}});
  // 40
  t.push_back({ControlClass::Label,
               "friLab",
               kPlain,
               Concat(Common({"friLab", kPlain, 884, 589, 101, 36, 193, false, true}), LabelValues({.size = 21})),
               {{Event::MouseDown, Bind(&Q::friLab_MouseDown)}}});
  return t;
}

}  // namespace

const std::vector<ControlEntry>& ControlTable() {
  static const std::vector<ControlEntry> table = MakeTable();
  return table;
}

const PropertyRecord& WindowRecord() {
  static const PropertyRecord record = Record()
                                           .Int("Width", 1200)
                                           .Int("Height", 700)
                                           .Int("MinWidth", 64)
                                           .Int("MinHeight", 64)
                                           .Int("MaxWidth", 32000)
                                           .Int("MaxHeight", 32000)
                                           .Int("Frame", 0)
                                           .Text("Title", "Quenlo")
                                           .Bool("CloseButton", true)
                                           .Bool("Resizeable", true)
                                           .Bool("MaximizeButton", false)
                                           .Bool("MinimizeButton", true)
                                           .Bool("FullScreenButton", false)
                                           .Bool("Composite", false)
                                           .Int("MacProcID", 0)
                                           .Int("Placement", 4)
                                           .Bool("Visible", true)
                                           .Bool("LiveResize", true)
                                           .Bool("FullScreen", false)
                                           .Bool("MenuBarVisible", true)
                                           .Bool("HasBackColor", false)
                                           .Colour("BackColor", Color{220, 220, 220});
  return record;
}

std::unique_ptr<fw::Control> NewControlOf(ControlClass cls) {
  switch (cls) {
    case ControlClass::Canvas: return std::make_unique<fw::Canvas>();
    case ControlClass::Blackbox: return std::make_unique<Blackbox>();
    case ControlClass::Label: return std::make_unique<fw::Label>();
    case ControlClass::Listbox: return std::make_unique<fw::Listbox>();
    case ControlClass::Slider: return std::make_unique<fw::Slider>();
    case ControlClass::TextField: return std::make_unique<fw::TextField>();
    case ControlClass::PushButton: return std::make_unique<fw::PushButton>();
    case ControlClass::BevelButton: return std::make_unique<fw::BevelButton>();
  }
  return nullptr;
}

bool IsOfClass(const fw::Control& control, ControlClass cls) {
  switch (cls) {
    case ControlClass::Canvas: return dynamic_cast<const fw::Canvas*>(&control) != nullptr;
    case ControlClass::Blackbox: return dynamic_cast<const Blackbox*>(&control) != nullptr;
    case ControlClass::Label: return dynamic_cast<const fw::Label*>(&control) != nullptr;
    case ControlClass::Listbox: return dynamic_cast<const fw::Listbox*>(&control) != nullptr;
    case ControlClass::Slider: return dynamic_cast<const fw::Slider*>(&control) != nullptr;
    case ControlClass::TextField: return dynamic_cast<const fw::TextField*>(&control) != nullptr;
    case ControlClass::PushButton: return dynamic_cast<const fw::PushButton*>(&control) != nullptr;
    case ControlClass::BevelButton: return dynamic_cast<const fw::BevelButton*>(&control) != nullptr;
  }
  return false;
}
