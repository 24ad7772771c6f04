// Menus: a tree of items under a menu bar.
#pragma once

#include <memory>
#include <vector>

#include "Values.h"

namespace fw {

// A menu item, a menu (an item with children) or a separator (Text "-").
// "&" in Text marks the access letter. KeyboardShortcut is written as
// "Cmd+Q"; the command key is the platform's (Ctrl here).
class MenuItem {
 public:
  MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;
  virtual ~MenuItem();

  String Name;
  String Text;
  String KeyboardShortcut;
  bool AutoEnable = true;
  bool Visible = true;

  // Adds a child after the ones added before; returns it.
  MenuItem& Append(std::unique_ptr<MenuItem> item);
  Integer Count() const { return static_cast<Integer>(children_.size()); }
  MenuItem* Item(Integer i) const;
  // The direct child of that name, or nullptr.
  MenuItem* Child(const String& name) const;
  // The item of that name anywhere below this one, or nullptr.
  MenuItem* Lookup(const String& name) const;
  bool IsSeparator() const { return Text == "-"; }

  // Whether choosing the item can do something now. An editing item (below)
  // with AutoEnable is enabled exactly when the focused control can do its
  // command, or has a menu handler for it; every other item always is. The
  // window's menus and key equivalents follow it.
  bool Enabled() const;

  // What choosing the item does: the framework's editing commands for the
  // items named EditUndo, EditCut, EditCopy, EditPaste, EditClear and
  // EditSelectAll on the focused text field, EditCopy and EditSelectAll on
  // the focused list; otherwise the menu handlers of the focused control;
  // nothing else.
  virtual void Action();

 private:
  std::vector<std::unique_ptr<MenuItem>> children_;
};

// Choosing it ends the event loop.
class QuitMenuItem : public MenuItem {
 public:
  void Action() override;
};

class MenuBar : public MenuItem {};

}  // namespace fw
