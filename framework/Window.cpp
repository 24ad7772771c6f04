#include "Window.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>
#include <QResizeEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <stdexcept>

#include "Application.h"
#include "Menu.h"
#include "detail/ControlInternal.h"
#include "detail/MenuInternal.h"

namespace fw {

using detail::SameName;

namespace {

// A window's content is never made larger than this on request (the user may
// still enlarge it up to its maximum): its backing store stays bounded.
constexpr Integer kMaxRequestedSide = 8192;

// The area below the menu bar that holds the controls; follows the user's
// resizing while the window shows.
class ContentWidget : public QWidget {
 public:
  std::function<void(int, int)> onResize;

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    if (onResize) onResize(event->size().width(), event->size().height());
  }
};

// The menu bar's look is the application's; only a tap of Alt alone does not
// move the keyboard focus into the bar: Alt is the Option key here, held
// while drawing and tapped between keystrokes. Alt with an access letter
// still opens its menu.
class MenuBarStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_MenuBar_AltKeyNavigation) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

struct Window::Impl {
  QPointer<QMainWindow> mw;
  ContentWidget* content = nullptr;
  std::vector<std::unique_ptr<Control>> controls;
  std::vector<std::unique_ptr<Control>> closing;  // closed, deleted at the next turn
  Integer width = 600, height = 400;
  bool building = false;
  bool menuBarVisible = true;
  bool hasBackColor = false;
  Color backColor{220, 220, 220};
};

Window::Window() : impl_(std::make_unique<Impl>()) {
  EnsureToolkit();
  impl_->mw = new QMainWindow;
  impl_->content = new ContentWidget;
  impl_->mw->setCentralWidget(impl_->content);
  auto* barStyle = new MenuBarStyle;
  barStyle->setParent(impl_->mw->menuBar());
  impl_->mw->menuBar()->setStyle(barStyle);
  impl_->content->onResize = [this](int w, int h) {
    if (impl_->mw != nullptr && impl_->mw->isVisible()) {
      impl_->width = w;
      impl_->height = h;
    }
  };
  ApplyWindowFlags();
}

Window::~Window() {
  // Widgets go first (each control learns that its widget is gone), then the
  // controls; no control keeps a pointer to another meanwhile.
  for (auto& c : impl_->controls) c->parent_ = nullptr;
  for (auto& c : impl_->closing) c->parent_ = nullptr;
  if (impl_->content != nullptr) impl_->content->onResize = nullptr;
  delete impl_->mw.data();
  impl_->controls.clear();
  impl_->closing.clear();
}

QMainWindow* Window::Widget() const { return impl_->mw; }
QWidget* Window::ContentArea() const { return impl_->content; }

// ---- Building and opening ----------------------------------------------------

void Window::Open() {
  if (open_ || impl_->building) return;
  impl_->building = true;
  Layout();
  CreateControls();
  // From here on an element made at run time opens as it is made.
  open_ = true;
  for (;;) {
    Control* next = nullptr;
    for (const auto& c : impl_->controls) {
      if (!c->HasOpened()) {
        next = c.get();
        break;
      }
    }
    if (next == nullptr) break;
    next->RunOpen();
  }
  Event_Open();
  // The keyboard visits the controls in the order of their TabIndex.
  std::vector<Control*> order;
  for (const auto& c : impl_->controls) {
    if (c->Widget() != nullptr && (c->Widget()->focusPolicy() & Qt::TabFocus)) order.push_back(c.get());
  }
  std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) { return a->TabIndex() < b->TabIndex(); });
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1]->Widget(), order[i]->Widget());
  impl_->building = false;
  if (visible_ && impl_->mw != nullptr) {
    ApplyWindowFlags();
    impl_->mw->show();
  }
}

// ---- Registry ----------------------------------------------------------------

Control& Window::AddControl(std::unique_ptr<Control> control, const String& name, Integer index) {
  if (!control) throw std::invalid_argument("Window::AddControl: no control");
  Control& c = *control;
  impl_->controls.push_back(std::move(control));
  c.Attach(this, name, index);
  if (c.Widget() != nullptr) c.Widget()->setVisible(c.Visible());
  return c;
}

Control* Window::ControlByName(std::string_view name) const {
  for (const auto& c : impl_->controls) {
    if (SameName(c->Name(), name)) return c.get();
  }
  return nullptr;
}

Control* Window::ControlByNameIndex(std::string_view name, Integer index) const {
  for (const auto& c : impl_->controls) {
    if (c->Index() == index && SameName(c->Name(), name)) return c.get();
  }
  return nullptr;
}

std::vector<Control*> Window::Controls() const {
  std::vector<Control*> all;
  all.reserve(impl_->controls.size());
  for (const auto& c : impl_->controls) all.push_back(c.get());
  return all;
}

Integer Window::ControlCount() const { return static_cast<Integer>(impl_->controls.size()); }

void Window::AddElement(std::unique_ptr<Control> element, const String& arrayName,
                        const std::function<void()>& prepare) {
  if (!element) throw std::invalid_argument("Window::NewElement: no control");
  // The template: the first element that the array got.
  Control* templ = nullptr;
  for (const auto& c : impl_->controls) {
    if (c->Index() != Control::kNoIndex && SameName(c->Name(), arrayName)) {
      templ = c.get();
      break;
    }
  }
  if (templ != nullptr) {
    RuntimeMassPropertySetter(*element, templ->StoredRecord());
    for (const auto& [event, handler] : templ->Handlers()) element->AddEventHandler(event, handler);
  }
  if (prepare) prepare();
  // The lowest index above the template's that no element holds.
  std::int64_t index = templ != nullptr ? std::int64_t{templ->Index()} + 1 : 0;
  while (index < std::numeric_limits<Integer>::max() &&
         ControlByNameIndex(arrayName, static_cast<Integer>(index)) != nullptr) {
    ++index;
  }
  Control& c = *element;
  impl_->controls.push_back(std::move(element));
  c.Attach(this, arrayName, static_cast<Integer>(std::min<std::int64_t>(index, std::numeric_limits<Integer>::max())));
  if (open_) c.RunOpen();
  // Shown only now, after its Open event has had its say; unless it was
  // closed meanwhile.
  const bool registered =
      std::any_of(impl_->controls.begin(), impl_->controls.end(), [&](const auto& p) { return p.get() == &c; });
  if (registered && c.Widget() != nullptr) c.Widget()->setVisible(c.Visible());
}

void Window::Unregister(Control& control) {
  auto it =
      std::find_if(impl_->controls.begin(), impl_->controls.end(), [&](const auto& p) { return p.get() == &control; });
  if (it == impl_->controls.end()) return;
  // Controls inside the closed one stay where they are, now in the window.
  for (const auto& c : impl_->controls) {
    if (c->parent_ == &control) c->SetParentControl(nullptr);
  }
  Control* raw = it->get();
  impl_->closing.push_back(std::move(*it));
  impl_->controls.erase(it);
  Impl* impl = impl_.get();
  QTimer::singleShot(0, impl->content, [impl, raw] {
    auto at = std::find_if(impl->closing.begin(), impl->closing.end(), [&](const auto& p) { return p.get() == raw; });
    if (at == impl->closing.end()) return;
    std::unique_ptr<Control> doomed = std::move(*at);
    impl->closing.erase(at);
  });
}

// ---- Stored properties ---------------------------------------------------------

Integer Window::Width() const { return impl_->width; }
Integer Window::Height() const { return impl_->height; }

namespace {
void ResizeTo(QMainWindow* mw, int w, int h, bool menuShown) {
  if (mw == nullptr) return;
  int menuHeight = 0;
  if (menuShown && mw->menuBar() != nullptr && !mw->menuBar()->actions().isEmpty()) {
    menuHeight = mw->menuBar()->sizeHint().height();
  }
  mw->resize(w, h + menuHeight);
  mw->centralWidget()->resize(w, h);
}
}  // namespace

namespace {
// A requested side within the window's limits (the minimum wins over a
// smaller maximum) and never beyond kMaxRequestedSide.
Integer Side(Integer v, Integer lo, Integer hi) {
  lo = std::min(lo, kMaxRequestedSide);
  hi = std::clamp(hi, lo, kMaxRequestedSide);
  return std::clamp(v, lo, hi);
}
}  // namespace

void Window::SetWidth(Integer w) {
  impl_->width = Side(w, minWidth_, maxWidth_);
  ApplyWindowFlags();
}

void Window::SetHeight(Integer h) {
  impl_->height = Side(h, minHeight_, maxHeight_);
  ApplyWindowFlags();
}

void Window::SetTitle(const String& t) {
  title_ = t;
  if (impl_->mw != nullptr) impl_->mw->setWindowTitle(detail::ToQ(t));
}

// Applies flags, size limits and size. Qt hides a shown window whose flags
// change, so a shown window is shown again.
void Window::ApplyWindowFlags() {
  QMainWindow* mw = impl_->mw;
  if (mw == nullptr) return;
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (closeButton_) flags |= Qt::WindowCloseButtonHint;
  if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
  if (maximizeButton_ && resizeable_) flags |= Qt::WindowMaximizeButtonHint;
  if (fullScreenButton_) flags |= Qt::WindowFullscreenButtonHint;
  if (mw->windowFlags() != flags) {
    const bool shown = mw->isVisible();
    mw->setWindowFlags(flags);
    if (shown) mw->show();
  }
  QWidget* content = impl_->content;
  if (resizeable_) {
    content->setMinimumSize(minWidth_, minHeight_);
    content->setMaximumSize(std::max(minWidth_, maxWidth_), std::max(minHeight_, maxHeight_));
  } else {
    content->setFixedSize(impl_->width, impl_->height);
  }
  mw->menuBar()->setVisible(impl_->menuBarVisible);
  ResizeTo(mw, impl_->width, impl_->height, impl_->menuBarVisible);
  content->setAutoFillBackground(impl_->hasBackColor);
  if (impl_->hasBackColor) {
    QPalette pal = content->palette();
    pal.setColor(QPalette::Window, detail::ToQColor(impl_->backColor));
    content->setPalette(pal);
  }
}

namespace {
Integer StoredSize(const PropertyValue& v, Integer fallback) { return detail::ClampSize(AsInteger(v, fallback)); }
}  // namespace

void Window::SetProperty(const String& name, const PropertyValue& value) {
  using W = Window;
  using V = PropertyValue;
  // A row with restyle set is followed by ApplyWindowFlags: the frame, the
  // size limits and the look take the new value at once.
  struct Row {
    std::string_view name;
    void (*apply)(W& w, const V& v);
    bool restyle;
  };
  static constexpr Row kProperties[] = {
      {"Width", [](W& w, const V& v) { w.SetWidth(AsInteger(v, w.impl_->width)); }, false},
      {"Height", [](W& w, const V& v) { w.SetHeight(AsInteger(v, w.impl_->height)); }, false},
      {"Title", [](W& w, const V& v) { w.SetTitle(AsString(v)); }, false},
      {"Frame", [](W& w, const V& v) { w.frame_ = AsInteger(v, w.frame_); }, false},
      {"Visible",
       [](W& w, const V& v) {
         w.visible_ = AsBoolean(v, w.visible_);
         if (w.open_ && !w.impl_->building && w.impl_->mw != nullptr) w.impl_->mw->setVisible(w.visible_);
       },
       false},
      {"MinWidth", [](W& w, const V& v) { w.minWidth_ = StoredSize(v, w.minWidth_); }, true},
      {"MinHeight", [](W& w, const V& v) { w.minHeight_ = StoredSize(v, w.minHeight_); }, true},
      {"MaxWidth", [](W& w, const V& v) { w.maxWidth_ = StoredSize(v, w.maxWidth_); }, true},
      {"MaxHeight", [](W& w, const V& v) { w.maxHeight_ = StoredSize(v, w.maxHeight_); }, true},
      {"CloseButton", [](W& w, const V& v) { w.closeButton_ = AsBoolean(v, w.closeButton_); }, true},
      {"MinimizeButton", [](W& w, const V& v) { w.minimizeButton_ = AsBoolean(v, w.minimizeButton_); }, true},
      {"MaximizeButton", [](W& w, const V& v) { w.maximizeButton_ = AsBoolean(v, w.maximizeButton_); }, true},
      {"FullScreenButton", [](W& w, const V& v) { w.fullScreenButton_ = AsBoolean(v, w.fullScreenButton_); }, true},
      {"Resizeable", [](W& w, const V& v) { w.resizeable_ = AsBoolean(v, w.resizeable_); }, true},
      {"MenuBarVisible", [](W& w, const V& v) { w.impl_->menuBarVisible = AsBoolean(v, w.impl_->menuBarVisible); },
       true},
      {"HasBackColor", [](W& w, const V& v) { w.impl_->hasBackColor = AsBoolean(v, w.impl_->hasBackColor); }, true},
      {"BackColor", [](W& w, const V& v) { w.impl_->backColor = AsColor(v, w.impl_->backColor); }, true},
  };
  const Row* row = FindPropertyRow(kProperties, name);
  if (row == nullptr) return;  // a setting this toolkit has no use for
  row->apply(*this, value);
  if (row->restyle) ApplyWindowFlags();
}

// ---- Menus -----------------------------------------------------------------------

void Window::SetMenuBar(MenuBar* bar) {
  menuBar_ = bar;
  BuildMenus();
}

void Window::BuildMenus() {
  QMainWindow* mw = impl_->mw;
  if (mw == nullptr) return;
  detail::BuildMenuBar(*mw->menuBar(), menuBar_);
  ApplyWindowFlags();
}

}  // namespace fw
