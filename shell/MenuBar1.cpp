#include "MenuBar1.h"

#include <memory>
#include <optional>

namespace {

template <class Item = fw::MenuItem>
std::unique_ptr<fw::MenuItem> MakeItem(const fw::String& name, const fw::String& text,
                                       const std::optional<fw::String>& shortcut) {
  auto item = std::make_unique<Item>();
  item->Name = name;
  item->AutoEnable = true;
  item->Text = text;
  item->Visible = true;
  if (shortcut) item->KeyboardShortcut = *shortcut;
  return item;
}

// Appends an item to the menu of that name, looked up anew.
void AppendTo(fw::MenuBar& bar, const fw::String& menuName, std::unique_ptr<fw::MenuItem> item) {
  if (fw::MenuItem* menu = bar.Child(menuName)) menu->Append(std::move(item));
}

const std::optional<fw::String> kNotSet;

}  // namespace

MenuBar1::MenuBar1() {
  Untitled0();
  Untitled1();
}

void MenuBar1::Untitled0() {
  Append(MakeItem("FileMenu", "&Ablage", ""));
  AppendTo(*this, "FileMenu", MakeItem<fw::QuitMenuItem>("FileQuit", "Beenden", "Cmd+Q"));
}

void MenuBar1::Untitled1() {
  Append(MakeItem("EditMenu", "&Bearbeiten", ""));
  AppendTo(*this, "EditMenu", MakeItem("EditUndo", "&Rückgängig", "Cmd+Z"));
  AppendTo(*this, "EditMenu", MakeItem("UntitledMenu1", "-", kNotSet));
  AppendTo(*this, "EditMenu", MakeItem("EditCut", "&Ausschneiden", "Cmd+X"));
  AppendTo(*this, "EditMenu", MakeItem("EditCopy", "&Kopieren", "Cmd+C"));
  AppendTo(*this, "EditMenu", MakeItem("EditPaste", "&Einfügen", "Cmd+V"));
  AppendTo(*this, "EditMenu", MakeItem("EditClear", "&Löschen", ""));
  AppendTo(*this, "EditMenu", MakeItem("UntitledMenu0", "-", kNotSet));
  AppendTo(*this, "EditMenu", MakeItem("EditSelectAll", "&Alles auswählen", "Cmd+A"));
}
