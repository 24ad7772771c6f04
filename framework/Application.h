// The application: the toolkit's start, the event loop, the menu bar.
#pragma once

#include <functional>
#include <memory>

#include "Values.h"

namespace fw {

class MenuBar;

class Application {
 public:
  // Starts the toolkit (once per process; later Applications reuse it) and
  // registers the stand-ins for the fonts the program asks for by name.
  Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  virtual ~Application();

  static Application* Current();

  // A setting some platforms know; nothing depends on it here.
  bool UseGDIPlus = false;

  MenuBar* GetMenuBar() const { return menuBar_; }
  void SetMenuBar(MenuBar* bar) { menuBar_ = bar; }

  // Runs Event_Open, calls the default-window callback, then the event loop
  // until Quit; returns the exit status.
  Integer Run(const std::function<void()>& defaultWindow);
  void Quit(Integer status = 0);

 protected:
  virtual void Event_Open() {}

 private:
  MenuBar* menuBar_ = nullptr;
};

// The toolkit, started for this process if it is not yet (tests call it).
void EnsureToolkit();

}  // namespace fw
