// The program's menu bar: "&Ablage" with the quit item, "&Bearbeiten" with
// the editing items. The program handles none of them itself.
#pragma once

#include "Menu.h"

class MenuBar1 : public fw::MenuBar {
 public:
  MenuBar1();

 private:
  void Untitled0();  // FileMenu and its item
  void Untitled1();  // EditMenu and its items
};
