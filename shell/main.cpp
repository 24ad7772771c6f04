// Start-up: the toolkit and the application, the one menu bar, the main window
// on the toolkit's request, then the event loop until the quit item ends it.
#include <memory>

#include "App.h"
#include "MenuBar1.h"
#include "Q.h"

int main() {
  auto app = std::make_unique<App>();
  auto menuBar = std::make_unique<MenuBar1>();
  app->SetMenuBar(menuBar.get());

  std::unique_ptr<Q> window;
  const fw::Integer status = app->Run([&] {
    if (window) return;
    window = std::make_unique<Q>(menuBar.get());
    window->Open();
  });

  // The window goes before the menu bar that it shows.
  window.reset();
  app->SetMenuBar(nullptr);
  menuBar.reset();
  return status;
}
