#include "Blackbox.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "Graphics.h"

namespace {

constexpr fw::Integer kLeftMargin = 7;
constexpr fw::Integer kRightMargin = 10;
constexpr fw::Integer kBlockHeight = 60;
constexpr fw::Integer kBaselineY = 35;
constexpr fw::Single kTokenSize = 21;
constexpr fw::Single kRaisedOrLoweredSize = 17;

// The positions 1..n that both the token and the offset arrays can answer for;
// an offset the block lacks counts as the baseline.
fw::Integer TokenCount(const model::Block& b) {
  if (b.nchc <= 0 || b.chc.empty()) return 0;
  const auto held = static_cast<std::int64_t>(b.chc.size()) - 1;
  return static_cast<fw::Integer>(std::min<std::int64_t>(b.nchc, held));
}

fw::Integer Offset(const model::Block& b, fw::Integer i) {
  const auto k = static_cast<std::size_t>(i);
  return k < b.dh.size() ? b.dh[k] : 0;
}

void SizeFor(fw::Graphics& g, fw::Integer offset) { g.SetTextSize(offset != 0 ? kRaisedOrLoweredSize : kTokenSize); }

}  // namespace

bool Blackbox::_Untitled_Action() { return true; }

void Blackbox::Event_Open() { model::BuildTokens(*this, Index()); }

void Blackbox::Event_Paint(fw::Graphics& g, const fw::Areas& /*areas*/) {
  SetHeight(kBlockHeight);
  g.SetTextFont("minion pro");
  if (Index() <= 0) return;  // the template draws nothing

  const fw::Integer n = TokenCount(*this);
  std::int64_t x = kLeftMargin;
  for (fw::Integer i = 1; i <= n; ++i) {
    SizeFor(g, Offset(*this, i));
    x += fw::ToInteger(g.StringWidth(chc[static_cast<std::size_t>(i)]));
  }
  SetWidth(fw::FitInteger(x + kRightMargin));

  g.SetForeColor(fw::RGB(230, 255, 255));
  g.FillRect(0, 0, Width(), Height());
  g.SetForeColor(fw::RGB(0, 0, 0));
  g.DrawRect(0, 0, Width(), Height());

  x = kLeftMargin;
  for (fw::Integer i = 1; i <= n; ++i) {
    const fw::Integer offset = Offset(*this, i);
    const fw::String& token = chc[static_cast<std::size_t>(i)];
    SizeFor(g, offset);
    g.DrawString(token, fw::FitInteger(x), fw::FitInteger(std::int64_t{kBaselineY} + offset));
    x += fw::ToInteger(g.StringWidth(token));
  }
}

bool Blackbox::ApplyProperty(const fw::String& name, const fw::PropertyValue& value) {
  using fw::PropertyValue;
  static constexpr fw::PropertyRow<Blackbox> kProperties[] = {
      {"re", [](Blackbox& b, const PropertyValue& v) { b.re = fw::AsInteger(v); }},
      {"nchc", [](Blackbox& b, const PropertyValue& v) { b.nchc = fw::AsInteger(v); }},
      {"chcList", [](Blackbox& b, const PropertyValue& v) { b.chcList = fw::AsString(v); }},
      {"dhList", [](Blackbox& b, const PropertyValue& v) { b.dhList = fw::AsString(v); }},
  };
  return fw::ApplyListedProperty(kProperties, *this, name, value) || fw::Canvas::ApplyProperty(name, value);
}
