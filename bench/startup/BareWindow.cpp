// The yardstick for the start-up: a bare Qt main window of the program's size
// with a menu bar and the red 32-pixel prompt at the program's place.
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Bare");
  window.menuBar()->addMenu("&Ablage")->addAction("Beenden", QKeySequence::Quit, &app, &QApplication::quit);
  auto* central = new QWidget;
  auto* label = new QLabel("Mit OK starten!", central);
  label->setGeometry(649, 506, 540, 67);
  label->setStyleSheet("color: rgb(255,0,0); font-size: 32px;");
  window.setCentralWidget(central);
  window.resize(1200, 700 + window.menuBar()->sizeHint().height());
  window.show();
  return QApplication::exec();
}
