#include "Q.h"

#include "Application.h"
#include "ControlTable.h"
#include "MenuBar1.h"
#include "Prompts.h"
#include "Properties.h"

namespace {

template <class T>
T* As(fw::Control* c) {
  return dynamic_cast<T*>(c);
}

// A block answers the menu item "Untitled" with its own handler.
void AddUntitledHandler(Blackbox& block) {
  block.AddMenuHandler("Untitled", [&block] { return block._Untitled_Action(); });
}

}  // namespace

Q::Q(MenuBar1* menuBar) : menuBar_(menuBar) {}

Q::~Q() = default;

// ---- Building and opening ----

void Q::Layout() {
  fw::MenuBar* bar = menuBar_;
  if (bar == nullptr && fw::Application::Current() != nullptr) bar = fw::Application::Current()->GetMenuBar();
  if (bar != nullptr) SetMenuBar(bar);
  fw::RuntimeMassPropertySetter(*this, WindowRecord());
}

void Q::CreateControls() {
  _CreateControls0();
  _CreateControls1();
}

void Q::_CreateControls0() { MakeControls(0, kControlsOfFirstPass); }

void Q::_CreateControls1() { MakeControls(kControlsOfFirstPass, ControlTable().size()); }

void Q::MakeControls(std::size_t first, std::size_t last) {
  const auto& table = ControlTable();
  if (last > table.size()) last = table.size();
  for (std::size_t n = first; n < last; ++n) {
    const ControlEntry& e = table[n];
    std::unique_ptr<fw::Control> made = NewControlOf(e.cls);
    if (!made) continue;
    AddControl(std::move(made), e.name, e.index);
    // From here on the control is reached through the window's lookup only.
    auto lookup = [&]() -> fw::Control* {
      fw::Control* c = e.index == fw::Control::kNoIndex ? ControlByName(e.name) : ControlByNameIndex(e.name, e.index);
      return c != nullptr && IsOfClass(*c, e.cls) ? c : nullptr;
    };
    if (fw::Control* c = lookup()) fw::RuntimeMassPropertySetter(*c, e.record);
    if (e.untitledMenuHandler) {
      if (auto* block = As<Blackbox>(lookup())) AddUntitledHandler(*block);
      continue;
    }
    for (const Connection& connection : e.connections) {
      if (fw::Control* c = lookup()) c->AddEventHandler(connection.event, connection.handler);
    }
  }
}

void Q::Event_Open() {
  SetFrame(0);
  if (fw::Canvas* chart = diagram()) chart->SetWidth(500);
  nParam = model::kParameterCount - 1;
  nSg = 4;
  Phase = kStartPhase;
  Prompt(prompts::kStart);
}

// ---- Run-time elements ----

Blackbox& Q::NewBx() { return NewElement<Blackbox>("Bx", AddUntitledHandler); }

fw::BevelButton& Q::NewBBtn() { return NewElement<fw::BevelButton>("BBtn"); }

// ---- Control accessors ----

fw::Canvas* Q::panel() const { return As<fw::Canvas>(ControlByName("panel")); }
fw::Label* Q::nameLab(Integer index) const { return As<fw::Label>(ControlByNameIndex("nameLab", index)); }
Blackbox* Q::Bx(Integer index) const { return As<Blackbox>(ControlByNameIndex("Bx", index)); }
fw::Listbox* Q::SigLst() const { return As<fw::Listbox>(ControlByName("SigLst")); }
fw::Slider* Q::SlidY() const { return As<fw::Slider>(ControlByName("SlidY")); }
fw::Label* Q::TimeLab() const { return As<fw::Label>(ControlByName("TimeLab")); }
fw::Slider* Q::SlidX() const { return As<fw::Slider>(ControlByName("SlidX")); }
fw::Canvas* Q::diagram() const { return As<fw::Canvas>(ControlByName("diagram")); }
fw::Label* Q::Label1() const { return As<fw::Label>(ControlByName("Label1")); }
fw::BevelButton* Q::BBtn(Integer index) const { return As<fw::BevelButton>(ControlByNameIndex("BBtn", index)); }
fw::Label* Q::Instruction() const { return As<fw::Label>(ControlByName("Instruction")); }
fw::TextField* Q::yFld() const { return As<fw::TextField>(ControlByName("yFld")); }
fw::Label* Q::Clb() const { return As<fw::Label>(ControlByName("Clb")); }
fw::PushButton* Q::RestartBtn() const { return As<fw::PushButton>(ControlByName("RestartBtn")); }
fw::BevelButton* Q::CutBut() const { return As<fw::BevelButton>(ControlByName("CutBut")); }
fw::TextField* Q::param(Integer index) const { return As<fw::TextField>(ControlByNameIndex("param", index)); }
fw::Canvas* Q::parnam(Integer index) const { return As<fw::Canvas>(ControlByNameIndex("parnam", index)); }
fw::Label* Q::ReglerStrecke() const { return As<fw::Label>(ControlByName("ReglerStrecke")); }
fw::PushButton* Q::LosBut() const { return As<fw::PushButton>(ControlByName("LosBut")); }
fw::TextField* Q::friFld() const { return As<fw::TextField>(ControlByName("friFld")); }
fw::Label* Q::friLab() const { return As<fw::Label>(ControlByName("friLab")); }

// ---- Menu accessors ----

fw::MenuItem* Q::MenuItemNamed(const fw::String& name) const {
  fw::MenuBar* bar = GetMenuBar();
  return bar != nullptr ? bar->Lookup(name) : nullptr;
}

fw::MenuItem* Q::EditMenu() const { return MenuItemNamed("EditMenu"); }
fw::MenuItem* Q::EditSelectAll() const { return MenuItemNamed("EditSelectAll"); }
fw::MenuItem* Q::UntitledMenu0() const { return MenuItemNamed("UntitledMenu0"); }
fw::MenuItem* Q::EditClear() const { return MenuItemNamed("EditClear"); }
fw::MenuItem* Q::EditPaste() const { return MenuItemNamed("EditPaste"); }
fw::MenuItem* Q::EditCopy() const { return MenuItemNamed("EditCopy"); }
fw::MenuItem* Q::EditCut() const { return MenuItemNamed("EditCut"); }
fw::MenuItem* Q::UntitledMenu1() const { return MenuItemNamed("UntitledMenu1"); }
fw::MenuItem* Q::EditUndo() const { return MenuItemNamed("EditUndo"); }
fw::MenuItem* Q::FileMenu() const { return MenuItemNamed("FileMenu"); }
fw::QuitMenuItem* Q::FileQuit() const { return dynamic_cast<fw::QuitMenuItem*>(MenuItemNamed("FileQuit")); }
