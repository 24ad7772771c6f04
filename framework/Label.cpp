#include "Label.h"

#include <QLabel>
#include <QMouseEvent>

#include "detail/Internal.h"

namespace fw {

namespace {

// A label paints no background of its own: what lies beneath shows through.
class LabelWidget : public QLabel {
 public:
  explicit LabelWidget(Label* owner) : owner_(owner) {
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(false);
  }
  void Detach() { owner_ = nullptr; }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (owner_ == nullptr) return;
    Label* l = owner_;
    const QPoint pos = event->position().toPoint();
    detail::RunGuarded([l, pos] { l->RaiseEvent(Event::MouseDown, EventArgs{nullptr, nullptr, pos.x(), pos.y()}); });
    event->accept();
  }

 private:
  Label* owner_;
};

bool StoredFlag(const Control& c, std::string_view name) {
  const PropertyValue* v = c.StoredProperty(name);
  return v != nullptr && AsBoolean(*v);
}

}  // namespace

Label::Label() {
  SetWidget(new LabelWidget(this));
  UpdateLook();
}

void Label::UpdateLook() {
  auto* w = static_cast<QLabel*>(Widget());
  if (w == nullptr) return;
  w->setFont(detail::MakeFont(textFont_, textSize_, bold_, StoredFlag(*this, "Italic"), StoredFlag(*this, "Underline")));
  QPalette pal = w->palette();
  pal.setColor(QPalette::Active, QPalette::WindowText, detail::ToQColor(textColor_));
  pal.setColor(QPalette::Inactive, QPalette::WindowText, detail::ToQColor(textColor_));
  w->setPalette(pal);
  w->setWordWrap(multiline_);
  Qt::Alignment h = Qt::AlignLeft;
  if (textAlign_ == 2) h = Qt::AlignHCenter;
  if (textAlign_ == 3) h = Qt::AlignRight;
  w->setAlignment(h | Qt::AlignTop);
}

void Label::SetText(const String& text) {
  text_ = text;
  if (auto* w = static_cast<QLabel*>(Widget())) w->setText(detail::ToQ(text_));
}
void Label::SetTextColor(Color c) {
  textColor_ = c;
  UpdateLook();
}
void Label::SetTextFont(const String& family) {
  textFont_ = family;
  UpdateLook();
}
void Label::SetTextSize(Single pixels) {
  textSize_ = pixels;
  UpdateLook();
}
void Label::SetBold(bool b) {
  bold_ = b;
  UpdateLook();
}
void Label::SetMultiline(bool m) {
  multiline_ = m;
  UpdateLook();
}
void Label::SetTextAlign(Integer a) {
  textAlign_ = a;
  UpdateLook();
}

bool Label::ApplyProperty(const String& name, const PropertyValue& value) {
  using detail::SameName;
  if (SameName(name, "Text")) {
    SetText(AsString(value));
  } else if (SameName(name, "TextColor")) {
    SetTextColor(AsColor(value, textColor_));
  } else if (SameName(name, "TextFont")) {
    SetTextFont(AsString(value));
  } else if (SameName(name, "TextSize")) {
    SetTextSize(AsSingle(value, textSize_));
  } else if (SameName(name, "Bold")) {
    SetBold(AsBoolean(value, bold_));
  } else if (SameName(name, "Italic") || SameName(name, "Underline")) {
    UpdateLook();
  } else if (SameName(name, "Multiline")) {
    SetMultiline(AsBoolean(value, multiline_));
  } else if (SameName(name, "TextAlign")) {
    SetTextAlign(AsInteger(value, textAlign_));
  } else {
    return Control::ApplyProperty(name, value);
  }
  return true;
}

}  // namespace fw
