#include "Menu.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>

#include <unordered_set>

#include "Control.h"
#include "Listbox.h"
#include "TextField.h"
#include "detail/ApplicationInternal.h"
#include "detail/ControlInternal.h"
#include "detail/MenuInternal.h"

namespace fw {

namespace {
// Never destroyed: menu items may go during the program's static destruction.
std::unordered_set<const MenuItem*>& LiveItems() {
  static auto* items = new std::unordered_set<const MenuItem*>;
  return *items;
}

// Whether an item still exists.
bool MenuItemAlive(const MenuItem* item) { return LiveItems().count(item) != 0; }

// "Cmd+Q" and "Command+Q" mean the platform's command key (Ctrl here),
// "Option" is Alt, "Shift" and "Ctrl" stay; a bare key ("Q") takes the command
// key like the platform's menus do. An empty or unreadable text gives none.
QKeySequence ShortcutFromText(const String& text) {
  QString t = detail::ToQ(text).trimmed();
  if (t.isEmpty()) return {};
  // The plus key itself is written as a trailing "++" ("Cmd++").
  QString key;
  if (t.endsWith(QLatin1String("++"))) {
    key = QStringLiteral("+");
    t.chop(2);
    if (t.isEmpty()) return {};
  } else {
    const int at = t.lastIndexOf(QLatin1Char('+'));
    key = t.mid(at + 1).trimmed();
    t = at < 0 ? QString() : t.left(at);
    if (key.isEmpty() || (at >= 0 && t.isEmpty())) return {};
  }
  QStringList out;
  if (!t.isEmpty()) {
    for (const QString& part : t.split(QLatin1Char('+'))) {
      const QString lower = part.trimmed().toLower();
      if (lower == QLatin1String("cmd") || lower == QLatin1String("command") || lower == QLatin1String("ctrl") ||
          lower == QLatin1String("control")) {
        out << QStringLiteral("Ctrl");
      } else if (lower == QLatin1String("option") || lower == QLatin1String("opt") || lower == QLatin1String("alt")) {
        out << QStringLiteral("Alt");
      } else if (lower == QLatin1String("shift")) {
        out << QStringLiteral("Shift");
      } else {
        return {};
      }
    }
  }
  if (out.isEmpty()) out << QStringLiteral("Ctrl");
  out << key;
  const QKeySequence seq = QKeySequence::fromString(out.join(QLatin1Char('+')), QKeySequence::PortableText);
  if (seq.isEmpty() || seq[0].key() == Qt::Key_unknown) return {};
  return seq;
}

// The control that has the keyboard focus, or nullptr.
Control* FocusedControl() {
  QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr && QApplication::activeWindow() != nullptr) focus = QApplication::activeWindow()->focusWidget();
  return detail::ControlForWidget(focus);
}

bool IsEditingItem(const String& name) {
  return name == "EditUndo" || name == "EditCut" || name == "EditCopy" || name == "EditPaste" || name == "EditClear" ||
         name == "EditSelectAll";
}

constexpr char kItemProperty[] = "quenloMenuItem";

// Whether the key pressed may choose the action. Every key equivalent holds
// the command key (ShortcutFromText), so a key without it chooses none; with
// it, an action whose equivalent is that key, whatever else is held.
bool MayChoose(const QKeyEvent& press, const QAction& action) {
  if (!press.modifiers().testFlag(Qt::ControlModifier)) return false;
  const QKeySequence shortcut = action.shortcut();
  return !shortcut.isEmpty() && shortcut[0].key() == press.key();
}

// Enables each item below host exactly when it can act now (MenuItem::Enabled);
// with a key press, only those that the key may choose. Asking may be costly
// (whether Paste can act asks the clipboard's owner, another program), so a
// key that chooses no item asks nothing.
void RefreshEnabled(QWidget* host, const QKeyEvent* press = nullptr) {
  for (QAction* action : host->actions()) {
    if (QMenu* menu = action->menu()) {
      RefreshEnabled(menu, press);
      continue;
    }
    if (press != nullptr && !MayChoose(*press, *action)) continue;
    auto* item = static_cast<const MenuItem*>(action->property(kItemProperty).value<void*>());
    if (item != nullptr && MenuItemAlive(item)) action->setEnabled(item->Enabled());
  }
}

// Before the toolkit looks for a key equivalent it offers the key to the
// focused control; the menu items that the key may choose are brought up to
// date then, so that the key of an item that cannot act does nothing.
class KeyEquivalentState : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return false;
    if (auto* widget = qobject_cast<QWidget*>(watched)) {
      if (auto* mw = qobject_cast<QMainWindow*>(widget->window()))
        RefreshEnabled(mw->menuBar(), static_cast<const QKeyEvent*>(event));
    }
    return false;
  }
};

QAction* AddItem(QWidget* host, MenuItem* item) {
  if (item->IsSeparator()) {
    if (auto* menu = qobject_cast<QMenu*>(host)) return menu->addSeparator();
    return nullptr;
  }
  QAction* action = nullptr;
  if (item->Count() > 0) {
    auto* menu = new QMenu(detail::ToQ(item->Text), host);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { RefreshEnabled(menu); });
    for (Integer i = 0; i < item->Count(); ++i) {
      if (MenuItem* child = item->Item(i)) AddItem(menu, child);
    }
    action = menu->menuAction();
    host->addAction(action);
  } else {
    action = new QAction(detail::ToQ(item->Text), host);
    action->setShortcut(ShortcutFromText(item->KeyboardShortcut));
    action->setShortcutContext(Qt::WindowShortcut);
    action->setProperty(kItemProperty, QVariant::fromValue(static_cast<void*>(item)));
    QObject::connect(action, &QAction::triggered, action, [item] {
      // The item may have gone with its menu bar; then the choice does nothing.
      if (!MenuItemAlive(item)) return;
      detail::RunGuarded([item] { item->Action(); });
    });
    host->addAction(action);
  }
  action->setObjectName(detail::ToQ(item->Name));
  action->setVisible(item->Visible);
  return action;
}

}  // namespace

namespace detail {

void BuildMenuBar(QMenuBar& bar, MenuBar* menuBar) {
  static const KeyEquivalentState* keyEquivalents = [] {
    auto* filter = new KeyEquivalentState;  // one for the process, never destroyed
    QCoreApplication::instance()->installEventFilter(filter);
    return filter;
  }();
  (void)keyEquivalents;
  for (QAction* a : bar.actions()) {
    bar.removeAction(a);
    if (QMenu* m = a->menu()) m->deleteLater();
  }
  if (menuBar != nullptr) {
    for (Integer i = 0; i < menuBar->Count(); ++i) {
      if (MenuItem* item = menuBar->Item(i)) AddItem(&bar, item);
    }
  }
}

}  // namespace detail

MenuItem::MenuItem() { LiveItems().insert(this); }
MenuItem::~MenuItem() { LiveItems().erase(this); }

MenuItem& MenuItem::Append(std::unique_ptr<MenuItem> item) {
  if (!item) item = std::make_unique<MenuItem>();
  children_.push_back(std::move(item));
  return *children_.back();
}

MenuItem* MenuItem::Item(Integer i) const {
  if (i < 0 || static_cast<std::size_t>(i) >= children_.size()) return nullptr;
  return children_[static_cast<std::size_t>(i)].get();
}

MenuItem* MenuItem::Child(const String& name) const {
  for (const auto& c : children_) {
    if (c->Name == name) return c.get();
  }
  return nullptr;
}

MenuItem* MenuItem::Lookup(const String& name) const {
  for (const auto& c : children_) {
    if (c->Name == name) return c.get();
  }
  for (const auto& c : children_) {
    if (MenuItem* found = c->Lookup(name)) return found;
  }
  return nullptr;
}

bool MenuItem::Enabled() const {
  if (!AutoEnable || !IsEditingItem(Name)) return true;
  const Control* control = FocusedControl();
  return control != nullptr && (control->CanEdit(Name) || control->HasMenuHandler(Name));
}

void MenuItem::Action() {
  Control* control = FocusedControl();
  if (control == nullptr) return;
  if (auto* field = dynamic_cast<TextField*>(control)) {
    if (Name == "EditUndo") return field->Undo();
    if (Name == "EditCut") return field->Cut();
    if (Name == "EditCopy") return field->Copy();
    if (Name == "EditPaste") return field->Paste();
    if (Name == "EditClear") return field->Clear();
    if (Name == "EditSelectAll") return field->SelectAll();
  }
  if (auto* list = dynamic_cast<Listbox*>(control)) {
    if (Name == "EditCopy") return list->Copy();
    if (Name == "EditSelectAll") return list->SelectAll();
  }
  control->HandleMenu(Name);
}

void QuitMenuItem::Action() { detail::RequestQuit(0); }

}  // namespace fw
