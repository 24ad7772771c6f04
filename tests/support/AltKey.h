// The Alt key as the window system reports it, and a keyboard that belongs to
// another program, for the tests of the Option key on the offscreen platform.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <memory>

namespace fwtest {

// Alt goes down or up at the window that has the keyboard, through the window
// system, which keeps the modifier state: the press reports Alt held, the
// release reports it free. With no window of this program holding the
// keyboard (KeyboardToAnotherProgram), only that state changes and no event
// reaches the program, as when another program gets the key.
inline void Alt(bool down) {
  qt_handleKeyEvent(QGuiApplication::focusWindow(), down ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Alt,
                    down ? Qt::AltModifier : Qt::NoModifier);
}

// AltGr, the right-hand Alt key of many layouts, likewise: the window system
// reports it as the group switch (Mod5 under X).
inline void AltGr(bool down) {
  qt_handleKeyEvent(QGuiApplication::focusWindow(), down ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_AltGr,
                    down ? Qt::GroupSwitchModifier : Qt::NoModifier);
}

// Takes the keyboard from every window of this program, as a window manager
// does when it activates another program. The offscreen platform has no
// other programs: a window of this one takes the keyboard and closes.
inline void KeyboardToAnotherProgram() {
  auto other = std::make_unique<QWidget>();
  other->setGeometry(5000, 5000, 20, 20);
  other->show();
  other->activateWindow();
  (void)QTest::qWaitForWindowActive(other.get());
  other.reset();
  QApplication::processEvents();
}

// Gives the keyboard back to a window, as the window manager does at Alt+Tab.
inline void KeyboardTo(QWidget* window) {
  window->activateWindow();
  (void)QTest::qWaitForWindowActive(window);
}

}  // namespace fwtest
