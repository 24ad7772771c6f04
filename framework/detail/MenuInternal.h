// The menu bar's widgets, built in Menu.cpp for the window. Not part of the
// public interface.
#pragma once

class QMenuBar;

namespace fw {
class MenuBar;
}  // namespace fw

namespace fw::detail {

// Gives bar the menus of menuBar (none for nullptr) in place of the ones it
// had. Each menu, and each key equivalent, enables its items from
// MenuItem::Enabled just before it acts.
void BuildMenuBar(QMenuBar& bar, MenuBar* menuBar);

}  // namespace fw::detail
