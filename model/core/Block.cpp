#include "Block.h"

#include <cstddef>
#include <string_view>

namespace model {

namespace {

// The equation as one comma-separated list: "$" stands for the output symbol,
// "%" for the input symbol; the dead-time symbol τ is appended where it goes.
String TokenListText() {
  const String tau = fw::Chr(964);
  return "T,2,∆,2,$,i,+,T,1,∆,$,i,+,T,0,$,i, ,=, ,K,0,%,i,-," + tau + ",+,K,1,∆,%,i,-," + tau + ",+,K,2,∆,2,%,i,-," +
         tau;
}

// The offsets of the tokens above, grouped by five for reading; Val skips the
// blanks in front of every sixth entry.
constexpr std::string_view kOffsetListText =
    "0,5,0,-7,0,   5,0,0,5,0,   0,5,0,0,5,   0,5,0,0,0,   0,5,0,5,5,   5,0,0,5,0,   0,5,5,5,0,   0,5,0,-7,0,   5,5,5";

// Entry n (from 1) of a comma-separated list, read as a whole number.
Integer IntegerField(std::string_view list, Integer n) {
  return fw::RuntimeCvtReal64ToSInt32(fw::Val(fw::NthField(list, ",", n)));
}

// Calls f(k) for every position k of a comma-separated position list, first
// to last.
template <class F>
void ForEachPosition(std::string_view list, F f) {
  const Integer count = fw::CountFields(list, ",");
  for (Integer n = 1; n <= count; ++n) f(IntegerField(list, n));
}

// The rules address tokens by position; a position the block does not hold
// (tokens not built, or a list that names more) is left alone.
String* Token(Block& block, Integer k) {
  if (k < 1 || k > block.nchc || static_cast<std::size_t>(k) >= block.chc.size()) return nullptr;
  return &block.chc[static_cast<std::size_t>(k)];
}

void ClearToken(Block& block, Integer k) {
  if (String* token = Token(block, k)) token->clear();
}

void SetTokens(Block& block, std::string_view positions, const String& text) {
  ForEachPosition(positions, [&](Integer k) {
    if (String* token = Token(block, k)) *token = text;
  });
}

// The positions that belong to each parameter's term, by parameter index; the
// last one lists the dead-time subscripts of all three input terms.
constexpr std::string_view kTermPositions[] = {
    "1,2,3,4,5,6,7",               // T2
    "8,9,10,11,12,13",             // T1
    "13,14,15,16,17",              // T0
    "21,22,23,24,25,26,27",        // K0
    "27,28,29,30,31,32,33,34",     // K1
    "35,36,37,38,39,40,41,42,43",  // K2
    "25,26,33,34,42,43",           // tau
};

constexpr std::string_view kIndexDigits = "2,9,15,22,29,37";
constexpr std::string_view kCoefficients = "1,8,14,21,28,36";
constexpr std::string_view kDeadTimes = "26,34,43";
constexpr Integer kPlusAfterT2 = 7;
constexpr Integer kPlusBeforeK2 = 35;

}  // namespace

Single Param(const std::vector<Single>& par, Integer index) {
  const auto i = static_cast<std::size_t>(index);
  return i < par.size() ? par[i] : 0.0f;
}

void BuildTokens(Block& block, Integer index) {
  const bool controller = index == 1;
  block.chcList = TokenListText();
  block.dhList = String(kOffsetListText);
  block.chcList = fw::ReplaceAll(block.chcList, "$", controller ? "y" : "x");
  block.chcList = fw::ReplaceAll(block.chcList, "%", controller ? "e" : "u");

  block.nchc = fw::CountFields(block.chcList, ",");
  // Resizing keeps element 0 as it was: "" and 0 in a new block.
  block.chc.resize(static_cast<std::size_t>(block.nchc) + 1);
  block.dh.resize(static_cast<std::size_t>(block.nchc) + 1);
  for (Integer i = 1; i <= block.nchc; ++i) {
    const auto at = static_cast<std::size_t>(i);
    block.chc[at] = fw::NthField(block.chcList, ",", i);  // blanks kept: 18 and 20 are " "
    block.dh[at] = IntegerField(block.dhList, i);
  }
}

void WriteParameters(Block& block) {
  // Index digits go; the coefficient letters and dead-time symbols become the
  // numbers, written from the 32-bit values so that 0.1 stays "0.1".
  SetTokens(block, kIndexDigits, "");
  Integer n = 0;
  ForEachPosition(kCoefficients, [&](Integer k) {
    if (String* token = Token(block, k)) *token = fw::Str(Param(block.par, n));
    ++n;
  });
  SetTokens(block, kDeadTimes, fw::Str(Param(block.par, kTau)));

  // A factor 1 is not written; the dead time 1 is, as the subscript i-1.
  ForEachPosition(kCoefficients, [&](Integer k) {
    if (String* token = Token(block, k); token && *token == "1") token->clear();
  });

  // A parameter of 0 removes its term together with one "+" beside it; a dead
  // time of 0 removes the "-τ" of all three input terms.
  for (Integer p = kT2; p <= kTau; ++p) {
    if (Param(block.par, p) == 0.0f) SetTokens(block, kTermPositions[p], "");
  }
  // The term lists cannot see each other: when T1 and T0 are both gone, the
  // "+" after the T2 term would stand before "=", and when K0 and K1 are both
  // gone the "+" before the K2 term would follow it.
  if (Param(block.par, kT1) == 0.0f && Param(block.par, kT0) == 0.0f) ClearToken(block, kPlusAfterT2);
  if (Param(block.par, kK0) == 0.0f && Param(block.par, kK1) == 0.0f) ClearToken(block, kPlusBeforeK2);
}

String EquationText(const Block& block) {
  String text;
  for (Integer i = 1; i <= block.nchc && static_cast<std::size_t>(i) < block.chc.size(); ++i) {
    text += block.chc[static_cast<std::size_t>(i)];
  }
  return text;
}

}  // namespace model
