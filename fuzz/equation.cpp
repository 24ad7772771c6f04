// The parameters written into a block's shown equation, for any parameter
// vector and any control index: the 43 tokens and their offsets stay, each
// coefficient and dead time is the parameter's text or gone, and the tokens
// that carry no parameter keep their text or disappear, nothing else.
#include <string>
#include <vector>

#include "Block.h"
#include "Fuzz.h"

namespace {

using model::Block;
using model::Integer;

constexpr Integer kCoefficient[] = {1, 8, 14, 21, 28, 36};  // by parameter index T2 .. K2
constexpr Integer kDeadTime[] = {26, 34, 43};               // of the K0, K1, K2 terms

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const Integer index = fuzz::AnyInteger(data, -1, 3);
  const bool build = data.ConsumeIntegralInRange(0, 15) != 0;
  Block block;
  block.par = fuzz::AnyParameters(data);
  const std::vector<model::Single> par = block.par;

  if (!build) {
    // A block whose tokens were never built has nothing to rewrite.
    model::WriteParameters(block);
    FUZZ_CHECK(block.nchc == 0 && block.chc.empty() && block.dh.empty(), "unbuilt block");
    return 0;
  }
  model::BuildTokens(block, index);
  const Block built = block;
  model::WriteParameters(block);
  const std::string what = "index " + std::to_string(index) + ", equation \"" + model::EquationText(block) + "\"";

  FUZZ_CHECK(block.nchc == model::kTokenCount, what);
  FUZZ_CHECK(block.chc.size() == 44 && block.dh.size() == 44, what);
  FUZZ_CHECK(block.dh == built.dh && block.dhList == built.dhList && block.chcList == built.chcList, what);
  FUZZ_CHECK(fuzz::SameSingles(block.par, par), what);
  FUZZ_CHECK(block.chc[0].empty(), what);
  for (const Integer k : {18, 19, 20}) FUZZ_CHECK(block.chc[k] == built.chc[k], what);

  std::vector<bool> parameterText(44, false);
  for (Integer p = model::kT2; p <= model::kK2; ++p) {
    const Integer k = kCoefficient[p];
    parameterText[k] = true;
    const model::Single value = model::Param(par, p);
    const std::string text = fw::Str(value);
    const std::string expected = value == 0.0f || text == "1" ? "" : text;
    FUZZ_CHECK(block.chc[k] == expected, what + ", coefficient " + std::to_string(p));
  }
  for (Integer term = 0; term < 3; ++term) {
    const Integer k = kDeadTime[term];
    parameterText[k] = true;
    const model::Single tau = model::Param(par, model::kTau);
    const bool shown = tau != 0.0f && model::Param(par, model::kK0 + term) != 0.0f;
    FUZZ_CHECK(block.chc[k] == (shown ? fw::Str(tau) : ""), what + ", dead time " + std::to_string(term));
  }
  for (Integer k = 1; k <= model::kTokenCount; ++k) {
    if (parameterText[k]) continue;
    FUZZ_CHECK(block.chc[k].empty() || block.chc[k] == built.chc[k], what + ", token " + std::to_string(k));
  }
  return 0;
}
