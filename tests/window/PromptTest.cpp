// Every prompt and refusal that Instruction can show fits on the label's one
// line in the font the label really uses: a second line would be cut off by
// the 67-pixel label and could lose the words that carry the sense.
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>

#include <string>

#include "Prompts.h"
#include "WindowFixture.h"

namespace {

using Prompts = OpenWindow;

TEST_F(Prompts, EachFitsOnTheLabelsOneLineInItsHandwritingFont) {
  fw::Label* label = q().Instruction();
  ASSERT_NE(label, nullptr);
  auto* widget = qobject_cast<QLabel*>(label->Widget());
  ASSERT_NE(widget, nullptr);
  ASSERT_EQ(QFontInfo(widget->font()).family(), QString("Dancing Script"));
  const QFontMetrics metrics(widget->font());
  const int room = widget->contentsRect().width();
  ASSERT_EQ(room, 540);

  for (std::string_view prompt : prompts::kAllPrompts) {
    const std::string text(prompt);
    label->SetText(text);
    const QString shown = widget->text();
    EXPECT_EQ(shown.toStdString(), text);
    EXPECT_LE(metrics.horizontalAdvance(shown), room) << text;
    // The label wraps at its width: one line is all it may need.
    EXPECT_LT(widget->heightForWidth(room), 2 * metrics.lineSpacing()) << text;
    EXPECT_LE(widget->heightForWidth(room), label->Height()) << text;
  }
}

TEST_F(Prompts, EachIsShortGermanAndEndsInAnExclamationOrAQuestion) {
  for (std::string_view prompt : prompts::kAllPrompts) {
    ASSERT_FALSE(prompt.empty());
    const char last = prompt.back();
    EXPECT_TRUE(last == '!' || last == '?') << prompt;
  }
}

}  // namespace
