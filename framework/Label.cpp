#include "Label.h"

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <optional>

#include "detail/ControlInternal.h"

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
  // A single line whose ink would cross the label's edge, although it has
  // room inside, is moved to the middle of the label along that direction:
  // a stand-in font may set a letter wider or further right than the font
  // asked for, and the letter shows whole rather than cut at the edge.
  void paintEvent(QPaintEvent* event) override {
    if (wordWrap() || text().isEmpty()) {
      QLabel::paintEvent(event);
      return;
    }
    const QRect box = contentsRect();
    // The text is not clipped to its line's box: a script letter's ink may
    // reach beyond its advance.
    const int flags = static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())) | Qt::TextDontClip;
    if (!shift_ || shift_->text != text() || shift_->font != font() || shift_->box != box.size() ||
        shift_->flags != flags) {
      shift_ = Shift{text(), font(), box.size(), flags, InkShift(box, flags)};
    }
    QPainter p(this);
    p.translate(shift_->by);
    style()->drawItemText(&p, box, flags, palette(), isEnabled(), text(), foregroundRole());
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (owner_ == nullptr) return;
    Label* l = owner_;
    const QPoint pos = event->position().toPoint();
    detail::RunGuarded([l, pos] { l->RaiseEvent(Event::MouseDown, EventArgs{nullptr, nullptr, pos.x(), pos.y()}); });
    event->accept();
  }

 private:
  // How far the line's ink must move to lie inside the box, in whole pixels.
  // Where the ink falls is seen by drawing the line as paintEvent does, on a
  // transparent picture with room all round.
  QPoint InkShift(const QRect& box, int flags) const {
    const int room = std::max(box.width(), box.height());
    QImage probe(box.size() + QSize(2 * room, 2 * room), QImage::Format_ARGB32_Premultiplied);
    if (probe.isNull()) return {};
    probe.fill(Qt::transparent);
    {
      QPainter p(&probe);
      p.setFont(font());
      p.drawText(QRect(QPoint(room, room), box.size()), flags, text());
    }
    QRect ink;
    for (int y = 0; y < probe.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(probe.constScanLine(y));
      for (int x = 0; x < probe.width(); ++x) {
        if (qAlpha(line[x]) != 0) ink |= QRect(x - room, y - room, 1, 1);
      }
    }
    const auto shift = [](int inkFrom, int inkLength, int boxLength) {
      if ((inkFrom >= 0 && inkFrom + inkLength <= boxLength) || inkLength > boxLength) return 0;
      return (boxLength - inkLength) / 2 - inkFrom;
    };
    return {shift(ink.left(), ink.width(), box.width()), shift(ink.top(), ink.height(), box.height())};
  }

  // The shift last found, and what it was found for: a label repaints far
  // more often than its text or font change.
  struct Shift {
    QString text;
    QFont font;
    QSize box;
    int flags = 0;
    QPoint by;
  };
  std::optional<Shift> shift_;
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
  for (auto group : {QPalette::Active, QPalette::Inactive})
    pal.setColor(group, QPalette::WindowText, detail::ToQColor(TextColor()));
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
  static constexpr PropertyRow<Label> kProperties[] = {
      {"Text", [](Label& l, const PropertyValue& v) { l.SetText(AsString(v)); }},
      {"Multiline", [](Label& l, const PropertyValue& v) { l.SetMultiline(AsBoolean(v, l.multiline_)); }},
      {"TextAlign", [](Label& l, const PropertyValue& v) { l.SetTextAlign(AsInteger(v, l.textAlign_)); }},
  };
  return ApplyTextProperty(name, value) || ApplyListedProperty(kProperties, *this, name, value) ||
         Control::ApplyProperty(name, value);
}

}  // namespace fw
