#include "App.h"

App::App() { Constructor(); }

void App::Constructor() {}

void App::Event_Open() { UseGDIPlus = true; }
