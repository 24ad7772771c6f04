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

}  // namespace

Label::Label() {
  SetWidget(new LabelWidget(this));
  UpdateLook();
}

void Label::UpdateLook() {
  auto* w = static_cast<QLabel*>(Widget());
  if (w == nullptr) return;
  ApplyTextFont(*w);
  QPalette pal = w->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) pal.setColor(group, QPalette::WindowText, detail::ToQColor(TextColor()));
  w->setPalette(pal);
  w->setWordWrap(multiline_);
  Qt::Alignment h = Qt::AlignLeft;
  if (textAlign_ == 2) h = Qt::AlignHCenter;
  if (textAlign_ == 3) h = Qt::AlignRight;
  // A single line sits in the middle of the label, so that a large script
  // letter whose line is taller than the label keeps its ink inside it; a
  // text of several lines starts at the top.
  w->setAlignment(h | (multiline_ ? Qt::AlignTop : Qt::AlignVCenter));
}

void Label::SetText(const String& text) {
  text_ = text;
  if (auto* w = static_cast<QLabel*>(Widget())) w->setText(detail::ToQ(text_));
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
  if (ApplyTextProperty(name, value)) return true;
  using detail::SameName;
  if (SameName(name, "Text")) {
    SetText(AsString(value));
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
