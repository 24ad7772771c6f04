#include "TextField.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

#include "detail/ControlInternal.h"

namespace fw {

namespace {

QLineEdit* Edit(const Control& c) { return static_cast<QLineEdit*>(c.Widget()); }

}  // namespace

TextField::TextField() {
  auto* edit = new QLineEdit;
  edit->setMaxLength(1 << 20);
  SetWidget(edit);
  // textChanged comes for every change, typed or set by the program.
  QObject::connect(edit, &QLineEdit::textChanged, edit,
                   [this] { detail::RunGuarded([this] { RaiseEvent(Event::TextChange); }); });
  UpdateLook();
}

void TextField::UpdateLook() {
  QLineEdit* w = Edit(*this);
  if (w == nullptr) return;
  ApplyTextFont(*w);
  QPalette pal = w->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(group, QPalette::Base, detail::ToQColor(backColor_));
    pal.setColor(group, QPalette::Text, detail::ToQColor(TextColor()));
  }
  // A disabled field keeps its background colour, and its text stays legible
  // on it: a field that only shows a value the program sets is disabled.
  pal.setColor(QPalette::Disabled, QPalette::Base, detail::ToQColor(backColor_));
  pal.setColor(QPalette::Disabled, QPalette::Text, QColor(90, 90, 90));
  w->setPalette(pal);
  Qt::Alignment h = Qt::AlignLeft;
  if (alignment_ == 2) h = Qt::AlignHCenter;
  if (alignment_ == 3) h = Qt::AlignRight;
  w->setAlignment(h | Qt::AlignVCenter);
  w->setFrame(border_);
  w->setReadOnly(readOnly_);
}

String TextField::Text() const {
  QLineEdit* w = Edit(*this);
  if (w == nullptr) {
    const PropertyValue* v = StoredProperty("Text");
    return v != nullptr ? AsString(*v) : String{};
  }
  return detail::FromQ(w->text());
}

void TextField::SetText(const String& text) {
  if (QLineEdit* w = Edit(*this)) w->setText(detail::ToQ(text));
}

void TextField::SetReadOnly(bool r) {
  readOnly_ = r;
  UpdateLook();
}
void TextField::SetBackColor(Color c) {
  backColor_ = c;
  UpdateLook();
}
void TextField::SetAlignment(Integer a) {
  alignment_ = a;
  UpdateLook();
}
void TextField::SetBorder(bool b) {
  border_ = b;
  UpdateLook();
}

// The editing commands change nothing in a read-only field (Copy and
// SelectAll still work there).
void TextField::Undo() {
  if (QLineEdit* w = Edit(*this); w != nullptr && !readOnly_) w->undo();
}
void TextField::Cut() {
  if (QLineEdit* w = Edit(*this); w != nullptr && !readOnly_) w->cut();
}
void TextField::Copy() {
  if (QLineEdit* w = Edit(*this)) w->copy();
}
void TextField::Paste() {
  if (QLineEdit* w = Edit(*this); w != nullptr && !readOnly_) w->paste();
}
void TextField::Clear() {
  if (QLineEdit* w = Edit(*this); w != nullptr && !readOnly_ && w->hasSelectedText()) w->del();
}
void TextField::SelectAll() {
  if (QLineEdit* w = Edit(*this)) w->selectAll();
}

bool TextField::CanEdit(const String& itemName) const {
  const QLineEdit* w = Edit(*this);
  if (w == nullptr || !w->isEnabled()) return false;
  const bool editable = !readOnly_;
  if (itemName == "EditUndo") return editable && w->isUndoAvailable();
  if (itemName == "EditCut" || itemName == "EditClear") return editable && w->hasSelectedText();
  if (itemName == "EditCopy") return w->hasSelectedText();
  if (itemName == "EditPaste") return editable && !QGuiApplication::clipboard()->text().isEmpty();
  if (itemName == "EditSelectAll") return !w->text().isEmpty();
  return false;
}

bool TextField::ApplyProperty(const String& name, const PropertyValue& value) {
  using F = TextField;
  static constexpr PropertyRow<F> kProperties[] = {
      {"Text", [](F& f, const PropertyValue& v) { f.SetText(AsString(v)); }},
      {"ReadOnly", [](F& f, const PropertyValue& v) { f.SetReadOnly(AsBoolean(v, f.readOnly_)); }},
      {"BackColor", [](F& f, const PropertyValue& v) { f.SetBackColor(AsColor(v, f.backColor_)); }},
      {"Alignment", [](F& f, const PropertyValue& v) { f.SetAlignment(AsInteger(v, f.alignment_)); }},
      {"Border", [](F& f, const PropertyValue& v) { f.SetBorder(AsBoolean(v, f.border_)); }},
  };
  return ApplyTextProperty(name, value) || ApplyListedProperty(kProperties, *this, name, value) ||
         Control::ApplyProperty(name, value);
}

}  // namespace fw
