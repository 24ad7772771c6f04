#include "Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <iostream>
#include <memory>

#include "detail/ApplicationInternal.h"
#include "detail/SystemInternal.h"

namespace fw {

namespace {
Application* current = nullptr;
// A quit asked for before the event loop runs ends the next Run at once.
bool quitPending = false;
Integer quitStatus = 0;
}  // namespace

namespace detail {

bool InstallToolkitTranslation(const QString& directory, std::ostream& err) {
  // The program speaks German whatever the system's language, so the
  // toolkit's own texts (the fields' and scroll bars' context menus) do too.
  static QTranslator* installed = nullptr;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_de"), directory)) {
    err << "quenlo: Die deutsche Übersetzung des Toolkits (qtbase_de.qm) fehlt in " << directory.toStdString()
        << "; seine eigenen Texte bleiben englisch.\n";
    return false;
  }
  if (installed != nullptr) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
  }
  installed = translator.release();
  QCoreApplication::installTranslator(installed);
  return true;
}

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
    detail::InstallToolkitTranslation(QLibraryInfo::path(QLibraryInfo::TranslationsPath), std::cerr);
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
