#include "Control.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <unordered_map>

#include "Application.h"
#include "System.h"
#include "Window.h"
#include "detail/ApplicationInternal.h"
#include "detail/ControlInternal.h"

namespace fw {

namespace detail {

Integer ClampSize(Integer v) { return std::clamp<Integer>(v, 0, kMaxSize); }
Integer ClampCoord(Integer v) { return std::clamp<Integer>(v, -kMaxCoord, kMaxCoord); }

QString ToQ(const String& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
String FromQ(const QString& s) { return s.toStdString(); }
QColor ToQColor(Color c) { return QColor(c.r, c.g, c.b); }
Color FromQColor(const QColor& c) {
  return Color{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

int PixelSize(Single size) {
  if (!(size > 0)) return kDefaultTextSize;  // also NaN
  if (size >= 1000) return 1000;
  return std::max(1, static_cast<int>(std::lround(size)));
}

QFont MakeFont(const String& family, Single size, bool bold, bool italic, bool underline) {
  QFont f(ToQ(ResolveFontFamily(family)));
  f.setPixelSize(PixelSize(size));
  f.setBold(bold);
  f.setItalic(italic);
  f.setUnderline(underline);
  return f;
}

namespace {
// Never destroyed: controls may go during the program's static destruction.
std::unordered_map<const QWidget*, Control*>& WidgetMap() {
  static auto* map = new std::unordered_map<const QWidget*, Control*>;
  return *map;
}
}  // namespace

Control* ControlForWidget(const QWidget* w) {
  auto& map = WidgetMap();
  for (; w != nullptr; w = w->parentWidget()) {
    auto it = map.find(w);
    if (it != map.end()) return it->second;
  }
  return nullptr;
}

void RunGuarded(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quenlo: unhandled exception in an event handler: %s\n", e.what());
    RequestQuit(1);
  } catch (...) {
    std::fprintf(stderr, "quenlo: unhandled exception in an event handler\n");
    RequestQuit(1);
  }
}

}  // namespace detail

using detail::SameName;

Control::Control() { EnsureToolkit(); }

namespace {
// Deletes a control's widget, which first stops reporting to the control.
void DeleteWidget(QWidget*& widget) {
  if (widget == nullptr) return;
  QWidget* w = widget;
  widget = nullptr;
  detail::WidgetMap().erase(w);
  QObject::disconnect(w, &QObject::destroyed, nullptr, nullptr);
  delete w;
}
}  // namespace

Control::~Control() { DeleteWidget(widget_); }

void Control::SetWidget(QWidget* w) {
  if (w == widget_) return;
  DeleteWidget(widget_);
  widget_ = w;
  if (w == nullptr) return;
  detail::WidgetMap()[w] = this;
  // The widget may go first (its parent widget deleted with the window):
  // then this control simply has no widget any more.
  QObject::connect(w, &QObject::destroyed, [this, w] {
    detail::WidgetMap().erase(w);
    if (widget_ == w) widget_ = nullptr;
  });
  w->hide();
  w->setEnabled(enabled_);
  ApplyGeometry();
}

Integer Control::Left() const {
  if (parent_ == nullptr) return left_;
  return detail::ClampCoord(static_cast<Integer>(
      std::clamp<std::int64_t>(std::int64_t{parent_->Left()} + left_, -detail::kMaxCoord, detail::kMaxCoord)));
}
Integer Control::Top() const {
  if (parent_ == nullptr) return top_;
  return detail::ClampCoord(static_cast<Integer>(
      std::clamp<std::int64_t>(std::int64_t{parent_->Top()} + top_, -detail::kMaxCoord, detail::kMaxCoord)));
}
Integer Control::Width() const { return width_; }
Integer Control::Height() const { return height_; }

void Control::SetLeft(Integer v) {
  v = detail::ClampCoord(v);
  left_ = parent_ != nullptr ? v - parent_->Left() : v;
  ApplyGeometry();
}

void Control::SetTop(Integer v) {
  v = detail::ClampCoord(v);
  top_ = parent_ != nullptr ? v - parent_->Top() : v;
  ApplyGeometry();
}

void Control::SetWidth(Integer v) {
  width_ = detail::ClampSize(v);
  ApplyGeometry();
}

void Control::SetHeight(Integer v) {
  height_ = detail::ClampSize(v);
  ApplyGeometry();
}

void Control::ApplyGeometry() {
  if (widget_ != nullptr) widget_->setGeometry(left_, top_, width_, height_);
}

void Control::SetVisible(bool v) {
  visible_ = v;
  // A widget without a parent would be a window of its own: it shows only
  // once the control belongs to a window.
  if (widget_ != nullptr && widget_->parentWidget() != nullptr) widget_->setVisible(v);
}

void Control::SetEnabled(bool v) {
  enabled_ = v;
  if (widget_ != nullptr) widget_->setEnabled(v);
}

void Control::Refresh(bool /*erase*/) {
  if (widget_ != nullptr) widget_->update();
}

void Control::Close() {
  if (widget_ != nullptr) widget_->hide();
  if (window_ != nullptr) window_->Unregister(*this);
}

void Control::SetProperty(const String& name, const PropertyValue& value) {
  auto it = std::find_if(record_.begin(), record_.end(), [&](const Property& p) { return SameName(p.name, name); });
  if (it != record_.end()) {
    it->value = value;
  } else {
    record_.push_back(Property{name, value});
  }
  ApplyProperty(name, value);
}

const PropertyValue* Control::StoredProperty(std::string_view name) const {
  for (const auto& p : record_) {
    if (SameName(p.name, name)) return &p.value;
  }
  return nullptr;
}

bool Control::ApplyProperty(const String& name, const PropertyValue& value) {
  static constexpr PropertyRow<Control> kProperties[] = {
      {"Left", [](Control& c, const PropertyValue& v) { c.SetLeft(AsInteger(v, c.Left())); }},
      {"Top", [](Control& c, const PropertyValue& v) { c.SetTop(AsInteger(v, c.Top())); }},
      {"Width", [](Control& c, const PropertyValue& v) { c.SetWidth(AsInteger(v, c.Width())); }},
      {"Height", [](Control& c, const PropertyValue& v) { c.SetHeight(AsInteger(v, c.Height())); }},
      {"Visible", [](Control& c, const PropertyValue& v) { c.SetVisible(AsBoolean(v, c.visible_)); }},
      {"Enabled", [](Control& c, const PropertyValue& v) { c.SetEnabled(AsBoolean(v, c.enabled_)); }},
      {"TabIndex", [](Control& c, const PropertyValue& v) { c.tabIndex_ = AsInteger(v, c.tabIndex_); }},
      // Resolved when the control joins its window; at once if it has one.
      {"InitialParent",
       [](Control& c, const PropertyValue& v) {
         if (c.window_ == nullptr) return;
         const String parentName = AsString(v);
         c.SetParentControl(parentName.empty() ? nullptr : c.window_->ControlByName(parentName));
       }},
      // The window's registry gives names and indexes; stored only.
      {"Name", [](Control&, const PropertyValue&) {}},
      {"Index", [](Control&, const PropertyValue&) {}},
  };
  return ApplyListedProperty(kProperties, *this, name, value);
}

void Control::Attach(Window* window, const String& name, Integer index) {
  window_ = window;
  name_ = name;
  index_ = index;
  Control* parent = nullptr;
  if (const PropertyValue* p = StoredProperty("InitialParent")) {
    const String parentName = AsString(*p);
    if (!parentName.empty()) parent = window->ControlByName(parentName);
  }
  SetParentControl(parent);
}

void Control::SetParentControl(Control* parent) {
  // No control may contain itself, directly or through its parents.
  for (Control* p = parent; p != nullptr; p = p->parent_) {
    if (p == this) return;
  }
  if (parent != nullptr && parent->window_ != window_) parent = nullptr;
  const Integer left = Left(), top = Top();
  parent_ = parent;
  left_ = parent != nullptr ? left - parent->Left() : left;
  top_ = parent != nullptr ? top - parent->Top() : top;
  if (widget_ == nullptr) return;
  QWidget* host = nullptr;
  if (parent != nullptr) host = parent->widget_;
  if (host == nullptr && window_ != nullptr) host = window_->ContentArea();
  if (widget_->parentWidget() != host) {
    const bool wasShown = widget_->parentWidget() != nullptr && visible_;
    widget_->setParent(host);
    if (wasShown) widget_->setVisible(true);
  }
  ApplyGeometry();
}

void Control::AddEventHandler(Event e, Handler h) {
  if (h) handlers_.emplace_back(e, std::move(h));
}

bool Control::HasHandler(Event e) const {
  return std::any_of(handlers_.begin(), handlers_.end(), [e](const auto& p) { return p.first == e; });
}

bool Control::RaiseEvent(Event e, const EventArgs& args) {
  // A handler may connect further handlers or close the control: run the
  // ones connected when the event was raised.
  std::vector<Handler> run;
  for (const auto& [event, handler] : handlers_) {
    if (event == e) run.push_back(handler);
  }
  bool handled = false;
  for (const auto& h : run) {
    if (h(*this, args)) handled = true;
  }
  return handled;
}

void Control::AddMenuHandler(const String& itemName, MenuHandler h) {
  if (h) menuHandlers_[itemName] = std::move(h);
}

bool Control::HandleMenu(const String& itemName) {
  auto it = menuHandlers_.find(itemName);
  if (it == menuHandlers_.end()) return false;
  MenuHandler h = it->second;  // the handler may replace itself
  return h();
}

bool Control::HasMenuHandler(const String& itemName) const { return menuHandlers_.count(itemName) != 0; }

void Control::RunOpen() {
  if (opened_) return;
  opened_ = true;
  Event_Open();
}

void Control::Event_Open() { RaiseEvent(Event::Open); }

}  // namespace fw
