// The application object.
#pragma once

#include "Application.h"

class App : public fw::Application {
 public:
  App();
  void Constructor();

 protected:
  void Event_Open() override;
};
