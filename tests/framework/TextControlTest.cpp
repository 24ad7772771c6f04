// The text style that labels, text fields and both kinds of buttons share:
// the same property names, defaults and font building for each of them.
#include <gtest/gtest.h>

#include <QFont>
#include <QPushButton>
#include <QWidget>

#include "BevelButton.h"
#include "Label.h"
#include "PushButton.h"
#include "TextField.h"

namespace {

using fw::Color;

template <class T>
struct TextStyleTest : ::testing::Test {
  T control;
  fw::TextControl& Style() { return control; }
  QFont Font() const { return control.Widget()->font(); }
};

using TextControls = ::testing::Types<fw::Label, fw::TextField, fw::PushButton, fw::BevelButton>;
TYPED_TEST_SUITE(TextStyleTest, TextControls);

TYPED_TEST(TextStyleTest, StartsInTheSystemFontAtTheDefaultSize) {
  EXPECT_EQ(this->Style().TextFont(), "System");
  EXPECT_EQ(this->Style().TextSize(), 0);
  EXPECT_FALSE(this->Style().Bold());
  EXPECT_EQ(this->Style().TextColor(), (Color{0, 0, 0}));
  EXPECT_FALSE(this->Font().bold());
  EXPECT_FALSE(this->Font().italic());
}

// Names match without regard to case; Italic and Underline live only in the
// stored record, so a later change of the style must keep them.
TYPED_TEST(TextStyleTest, StoredPropertiesShapeTheFontAndOutliveLaterChanges) {
  auto& c = this->control;
  c.SetProperty("textsize", fw::Single(20));
  c.SetProperty("BOLD", true);
  c.SetProperty("italic", true);
  c.SetProperty("Underline", true);
  EXPECT_EQ(this->Font().pixelSize(), 20);
  EXPECT_TRUE(this->Font().bold());
  EXPECT_TRUE(this->Font().italic());
  EXPECT_TRUE(this->Font().underline());

  this->Style().SetTextSize(14);
  this->Style().SetBold(false);
  EXPECT_EQ(this->Font().pixelSize(), 14);
  EXPECT_FALSE(this->Font().bold());
  EXPECT_TRUE(this->Font().italic());
  EXPECT_TRUE(this->Font().underline());

  c.SetProperty("Italic", false);
  EXPECT_FALSE(this->Font().italic());
  EXPECT_TRUE(this->Font().underline());
}

TYPED_TEST(TextStyleTest, ValuesOfTheWrongTypeLeaveTheStyleAsItWas) {
  auto& c = this->control;
  fw::RuntimeMassPropertySetter(c, {{"TextSize", 18}, {"Bold", true}, {"TextColor", Color{0, 0, 255}}});
  fw::RuntimeMassPropertySetter(
      c, {{"TextSize", fw::String("big")}, {"Bold", fw::Integer(0)}, {"TextColor", fw::String("red")}});
  EXPECT_EQ(this->Style().TextSize(), 18);
  EXPECT_TRUE(this->Style().Bold());
  EXPECT_EQ(this->Style().TextColor(), (Color{0, 0, 255}));
  EXPECT_EQ(this->Font().pixelSize(), 18);
  EXPECT_TRUE(this->Font().bold());
}

TEST(PushButtonStyle, CaptionKeepsTheSystemColourWhateverTextColorIsStored) {
  fw::PushButton button;
  const QColor before = button.Widget()->palette().color(QPalette::ButtonText);
  button.SetProperty("TextColor", Color{255, 0, 0});
  EXPECT_EQ(button.Widget()->palette().color(QPalette::ButtonText), before);
}

}  // namespace
