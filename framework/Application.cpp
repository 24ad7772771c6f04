#include "Application.h"

#include <QApplication>

#include "detail/Internal.h"

namespace fw {

namespace {
Application* current = nullptr;
// A quit asked for before the event loop runs ends the next Run at once.
bool quitPending = false;
Integer quitStatus = 0;
}  // namespace

namespace detail {
void RegisterFontSubstitutes();

void RequestQuit(Integer status) {
  quitPending = true;
  quitStatus = status;
  QCoreApplication::exit(status);
}
}  // namespace detail

void EnsureToolkit() {
  if (QCoreApplication::instance() == nullptr) {
    static int argc = 1;
    static char name[] = "quenlo";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives as long as the process
  }
  static bool started = false;
  if (!started) {
    started = true;
    detail::RegisterFontSubstitutes();
  }
}

Application::Application() {
  EnsureToolkit();
  current = this;
}

Application::~Application() {
  if (current == this) current = nullptr;
}

Application* Application::Current() { return current; }

Integer Application::Run(const std::function<void()>& defaultWindow) {
  quitPending = false;
  Event_Open();
  if (defaultWindow && !quitPending) defaultWindow();
  if (quitPending) {
    quitPending = false;
    return quitStatus;
  }
  const int status = QApplication::exec();
  quitPending = false;
  return status;
}

void Application::Quit(Integer status) { detail::RequestQuit(status); }

}  // namespace fw
