#include "PushButton.h"

#include <QPushButton>

#include "detail/ControlInternal.h"

namespace fw {

namespace {
QPushButton* Button(const Control& c) { return static_cast<QPushButton*>(c.Widget()); }
}  // namespace

PushButton::PushButton() {
  auto* button = new QPushButton;
  button->setAutoDefault(false);
  SetWidget(button);
  QObject::connect(button, &QPushButton::clicked, button,
                   [this] { detail::RunGuarded([this] { RaiseEvent(Event::Action); }); });
  UpdateLook();
}

void PushButton::UpdateLook() {
  QPushButton* b = Button(*this);
  if (b == nullptr) return;
  // The caption is shown as written: "&" is no access letter here.
  b->setText(detail::ToQ(caption_).replace(QLatin1Char('&'), QLatin1String("&&")));
  ApplyTextFont(*b);
}

void PushButton::SetCaption(const String& c) {
  caption_ = c;
  UpdateLook();
}

void PushButton::Push() {
  // Like a click: nothing happens while the button is disabled or hidden
  // behind a disabled parent.
  if (QPushButton* b = Button(*this)) b->click();
}

bool PushButton::ApplyProperty(const String& name, const PropertyValue& value) {
  using P = PushButton;
  static constexpr PropertyRow<P> kProperties[] = {
      {"Caption", [](P& p, const PropertyValue& v) { p.SetCaption(AsString(v)); }},
      {"Default",
       [](P& p, const PropertyValue& v) {
         if (QPushButton* b = Button(p)) b->setDefault(AsBoolean(v));
       }},
  };
  return ApplyTextProperty(name, value) || ApplyListedProperty(kProperties, *this, name, value) ||
         Control::ApplyProperty(name, value);
}

}  // namespace fw
