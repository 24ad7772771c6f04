// The parameter area: fourteen fields in two columns (controller, plant), the
// seven name labels between them and the heading; also the value table's and
// the prompt's open handlers.
#include <cstdint>

#include "Q.h"

namespace {

constexpr fw::Integer kFirstRowTop = 456;
constexpr fw::Integer kRowPitch = 33;
constexpr fw::Integer kControllerLeft = 428;
constexpr fw::Integer kColumnPitch = 110;
constexpr fw::Integer kNameLeft = 505;
constexpr fw::Integer kRows = 7;
}  // namespace

void Q::param_Open(fw::TextField& me) {
  const std::int64_t n = me.Index();
  me.SetTop(fw::FitInteger(kFirstRowTop + std::int64_t{kRowPitch} * (n % kRows)));
  me.SetLeft(fw::FitInteger(kControllerLeft + std::int64_t{kColumnPitch} * (n / kRows)));
  me.SetTextSize(20);
  me.SetText("");
  me.SetWidth(70);
  me.SetHeight(30);
}

void Q::parnam_Open(fw::Canvas& me) {
  me.SetTop(fw::FitInteger(kFirstRowTop + std::int64_t{kRowPitch} * me.Index()));
  me.SetLeft(kNameLeft);
}

void Q::parnam_Paint(fw::Canvas& me, fw::Graphics& g, const fw::Areas& /*areas*/) {
  g.SetTextFont("times");
  g.SetTextSize(24);
  const fw::Integer k = me.Index();
  if (k >= 0 && k <= 5) {
    static constexpr const char* kLetters[] = {"T", "T", "T", "K", "K", "K"};
    static constexpr const char* kDigits[] = {"2", "1", "0", "0", "1", "2"};
    g.SetTextSize(24);
    g.DrawString(kLetters[k], 0, 25);
    g.SetTextSize(20);
    g.DrawString(kDigits[k], 15, 30);
  } else if (k == 6) {
    g.SetTextSize(24);
    g.DrawString(" " + fw::Chr(964), 0, 25);
  }
}

void Q::ReglerStrecke_Open(fw::Label& me) {
  me.SetLeft(429);
  me.SetTop(420);
}

void Q::SigLst_Open(fw::Listbox& me) {
  me.SetLeft(10);
  me.SetTop(340);
  me.SetWidth(400);
  me.SetHeight(355);
  me.SetVisible(false);
}

void Q::Instruction_Open(fw::Label& /*me*/) {}

// Shows name labels 0 to nParam, then fields 0 to 2 nParam + 1. It stops at
// the first element that does not exist, so a bound beyond the area shows
// the whole area and no more.
void Q::getParam() {
  const std::int64_t lastName = nParam;
  for (std::int64_t i = 0; i <= lastName; ++i) {
    fw::Canvas* label = parnam(static_cast<Integer>(i));
    if (label == nullptr) break;
    label->SetVisible(true);
  }
  const std::int64_t lastField = 2 * std::int64_t{nParam} + 1;
  for (std::int64_t i = 0; i <= lastField; ++i) {
    fw::TextField* field = param(static_cast<Integer>(i));
    if (field == nullptr) break;
    field->SetVisible(true);
  }
}
