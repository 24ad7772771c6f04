#include "Slider.h"

#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

#include "detail/ControlInternal.h"

namespace fw {

namespace {

// The widget's range stays within +/-2^30 so that its own step arithmetic
// cannot overflow; the slider's stored values keep the full Integer range.
constexpr Integer kWidgetLimit = 1 << 30;
int W(Integer v) { return std::clamp(v, -kWidgetLimit, kWidgetLimit); }

// ValueChanged raised from inside a ValueChanged handler nests at most this
// deep; deeper changes are stored without an event.
constexpr Integer kMaxNesting = 64;

}  // namespace

class SliderWidget : public QSlider {
 public:
  explicit SliderWidget(Slider* owner) : owner_(owner) {
    // Keyboard and page steps report at once; a drag reports when the knob is
    // let go unless the slider scrolls live (tracking).
    QObject::connect(this, &QAbstractSlider::valueChanged, this, [this](int v) {
      if (owner_ == nullptr) return;
      Slider* s = owner_;
      detail::RunGuarded([s, v] { s->ChangeValue(v); });
    });
  }
  void Detach() { owner_ = nullptr; }

 private:
  Slider* owner_;
};

Slider::Slider() {
  SetWidget(new SliderWidget(this));
  SyncWidget();
}

void Slider::SyncWidget() {
  auto* w = static_cast<QSlider*>(Widget());
  if (w == nullptr) return;
  const QSignalBlocker block(w);
  w->setOrientation(Height() > Width() ? Qt::Vertical : Qt::Horizontal);
  w->setRange(W(std::min(minimum_, maximum_)), W(std::max(minimum_, maximum_)));
  w->setValue(W(value_));
  w->setSingleStep(W(lineStep_));
  w->setPageStep(W(pageStep_));
  w->setTracking(liveScroll_);
}

void Slider::ChangeValue(Integer v) {
  if (v == value_) return;
  value_ = v;
  SyncWidget();
  if (raiseDepth_ >= kMaxNesting) return;
  ++raiseDepth_;
  struct Unnest {
    Integer& depth;
    ~Unnest() { --depth; }
  } unnest{raiseDepth_};
  RaiseEvent(Event::ValueChanged);
}

void Slider::Clamp() {
  // An inverted range is kept as it is and leaves the value alone.
  if (minimum_ > maximum_) return;
  ChangeValue(std::clamp(value_, minimum_, maximum_));
}

void Slider::SetMinimum(Integer v) {
  minimum_ = v;
  SyncWidget();
  Clamp();
}

void Slider::SetMaximum(Integer v) {
  maximum_ = v;
  SyncWidget();
  Clamp();
}

void Slider::SetValue(Integer v) {
  ChangeValue(std::clamp(v, std::min(minimum_, maximum_), std::max(minimum_, maximum_)));
}

void Slider::SetLineStep(Integer v) {
  lineStep_ = std::max<Integer>(0, v);
  SyncWidget();
}

void Slider::SetPageStep(Integer v) {
  pageStep_ = std::max<Integer>(0, v);
  SyncWidget();
}

void Slider::SetLiveScroll(bool v) {
  liveScroll_ = v;
  SyncWidget();
}

void Slider::SetWidth(Integer v) {
  Control::SetWidth(v);
  SyncWidget();
}

void Slider::SetHeight(Integer v) {
  Control::SetHeight(v);
  SyncWidget();
}

// Stored values are taken as they are stored, without moving the value into
// the range and without an event: a record may give Minimum, Maximum and Value
// in any order, an inverted range included.
bool Slider::ApplyProperty(const String& name, const PropertyValue& value) {
  // Each one then brings the widget up to date.
  using S = Slider;
  static constexpr PropertyRow<S> kProperties[] = {
      {"Minimum", [](S& s, const PropertyValue& v) { s.minimum_ = AsInteger(v, s.minimum_); }},
      {"Maximum", [](S& s, const PropertyValue& v) { s.maximum_ = AsInteger(v, s.maximum_); }},
      {"Value", [](S& s, const PropertyValue& v) { s.value_ = AsInteger(v, s.value_); }},
      {"LineStep", [](S& s, const PropertyValue& v) { s.lineStep_ = std::max<Integer>(0, AsInteger(v, s.lineStep_)); }},
      {"PageStep", [](S& s, const PropertyValue& v) { s.pageStep_ = std::max<Integer>(0, AsInteger(v, s.pageStep_)); }},
      {"LiveScroll", [](S& s, const PropertyValue& v) { s.liveScroll_ = AsBoolean(v, s.liveScroll_); }},
  };
  if (!ApplyListedProperty(kProperties, *this, name, value)) return Control::ApplyProperty(name, value);
  SyncWidget();
  return true;
}

}  // namespace fw
