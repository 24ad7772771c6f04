#include "BevelButton.h"

#include <QAbstractButton>
#include <QPaintEvent>
#include <QPainter>

#include <cstdlib>

#include "detail/ControlInternal.h"
#include "detail/DevicePixelsInternal.h"

namespace fw {

namespace {

int Luma(const QColor& c) { return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000; }

// Leans a colour towards white (for dark faces) or black (light ones).
QColor Pressed(const QColor& face) {
  const QColor target = Luma(face) < 128 ? QColor(255, 255, 255) : QColor(0, 0, 0);
  const auto mix = [](int a, int b) { return a + (b - a) * 30 / 100; };
  return QColor(mix(face.red(), target.red()), mix(face.green(), target.green()), mix(face.blue(), target.blue()));
}

}  // namespace

// Draws its own face: the back colour (or the palette's button colour), a thin
// frame for Bevel 0, a raised bevel for more, sunken while pressed or while
// the button's Value is True. It never toggles by itself.
class BevelWidget : public QAbstractButton {
 public:
  explicit BevelWidget(BevelButton* owner) : owner_(owner) {
    setCheckable(false);
    setFocusPolicy(Qt::NoFocus);
  }
  void Detach() { owner_ = nullptr; }

  QSize sizeHint() const override { return QSize(60, 24); }

  // The colours the face and the caption are drawn in now.
  QColor FaceColor() const {
    QColor face = palette().color(QPalette::Button);
    if (owner_ != nullptr && owner_->hasBackColor_) face = detail::ToQColor(owner_->backColor_);
    return ShownPressed() ? Pressed(face) : face;
  }
  QColor CaptionColor() const {
    const QColor face = FaceColor();
    QColor text = owner_ != nullptr ? detail::ToQColor(owner_->TextColor()) : QColor(0, 0, 0);
    if (!isEnabled()) text = palette().color(QPalette::Disabled, QPalette::ButtonText);
    // A caption that would not stand out from its face is drawn in white on
    // dark faces and in black on light ones.
    if (std::abs(Luma(text) - Luma(face)) < 60) text = Luma(face) < 128 ? QColor(255, 255, 255) : QColor(0, 0, 0);
    return text;
  }
  bool ShownPressed() const { return isDown() || (owner_ != nullptr && owner_->value_); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QRect r = rect();
    if (r.isEmpty()) return;
    const QColor face = FaceColor();
    p.fillRect(r, face);
    const int bevel = owner_ != nullptr ? owner_->bevel_ : 0;
    const bool pressed = ShownPressed();
    // The lines lie on the device pixels that the button shows, so that none
    // is lost at a fractional scale.
    if (bevel <= 0) {
      const QColor frame = pressed ? QColor(40, 40, 40) : QColor(110, 110, 110);
      detail::DrawFrameLine(p, r, 0, frame, frame);
    } else {
      const QColor light = face.lighter(170), dark = face.darker(200);
      const QColor topLeft = pressed ? dark : light, bottomRight = pressed ? light : dark;
      for (int i = 0; i < 2; ++i) detail::DrawFrameLine(p, r, i, topLeft, bottomRight);
      detail::DrawFrameLine(p, r, 0, QColor(0, 0, 0), QColor(0, 0, 0));
    }
    p.setPen(CaptionColor());
    p.setFont(font());
    const QRect textArea = pressed ? r.translated(1, 1) : r;
    p.drawText(textArea, Qt::AlignCenter, text());
  }

 private:
  BevelButton* owner_;
};

namespace {
BevelWidget* FaceOf(const Control& c) { return static_cast<BevelWidget*>(c.Widget()); }
}  // namespace

BevelButton::BevelButton() {
  auto* w = new BevelWidget(this);
  SetWidget(w);
  QObject::connect(w, &QAbstractButton::clicked, w,
                   [this] { detail::RunGuarded([this] { RaiseEvent(Event::Action); }); });
  UpdateLook();
}

void BevelButton::UpdateLook() {
  BevelWidget* w = FaceOf(*this);
  if (w == nullptr) return;
  w->setText(detail::ToQ(caption_));
  ApplyTextFont(*w);
  w->update();
}

void BevelButton::SetCaption(const String& c) {
  caption_ = c;
  UpdateLook();
}
void BevelButton::SetValue(bool v) {
  value_ = v;
  UpdateLook();
}
void BevelButton::SetBevel(Integer b) {
  bevel_ = b;
  UpdateLook();
}
void BevelButton::SetHasBackColor(bool b) {
  hasBackColor_ = b;
  UpdateLook();
}
void BevelButton::SetBackColor(Color c) {
  backColor_ = c;
  UpdateLook();
}

void BevelButton::Push() {
  if (BevelWidget* w = FaceOf(*this)) w->click();
}

bool BevelButton::ApplyProperty(const String& name, const PropertyValue& value) {
  using B = BevelButton;
  static constexpr PropertyRow<B> kProperties[] = {
      {"Caption", [](B& b, const PropertyValue& v) { b.SetCaption(AsString(v)); }},
      {"Value", [](B& b, const PropertyValue& v) { b.SetValue(AsBoolean(v, b.value_)); }},
      {"Bevel", [](B& b, const PropertyValue& v) { b.SetBevel(AsInteger(v, b.bevel_)); }},
      {"HasBackColor", [](B& b, const PropertyValue& v) { b.SetHasBackColor(AsBoolean(v, b.hasBackColor_)); }},
      {"BackColor", [](B& b, const PropertyValue& v) { b.SetBackColor(AsColor(v, b.backColor_)); }},
      {"AcceptFocus",
       [](B& b, const PropertyValue& v) {
         if (BevelWidget* w = FaceOf(b)) w->setFocusPolicy(AsBoolean(v) ? Qt::StrongFocus : Qt::NoFocus);
       }},
  };
  return ApplyTextProperty(name, value) || ApplyListedProperty(kProperties, *this, name, value) ||
         Control::ApplyProperty(name, value);
}

}  // namespace fw
