// The data of one equation block of the loop: its parameter vector and the
// tokens of the difference equation it shows.
#pragma once

#include <vector>

#include "Values.h"

namespace model {

using fw::Integer;
using fw::Single;
using fw::String;

// Parameter indexes of `par`.
enum ParameterIndex : Integer { kT2 = 0, kT1 = 1, kT0 = 2, kK0 = 3, kK1 = 4, kK2 = 5, kTau = 6 };
inline constexpr Integer kParameterCount = 7;

// Parameter `index` of a parameter vector; one that the vector lacks counts as 0.
Single Param(const std::vector<Single>& par, Integer index);

// Vertical token offsets: baseline, subscript (5 px lower), superscript (7 px higher).
inline constexpr Integer kBaseline = 0;
inline constexpr Integer kSubscript = 5;
inline constexpr Integer kSuperscript = -7;

// Number of tokens of every block's equation.
inline constexpr Integer kTokenCount = 43;

struct Block {
  Integer re = 0;                                                        // read by nothing
  std::vector<Single> par = std::vector<Single>(kParameterCount, 0.0f);  // T2, T1, T0, K0, K1, K2, tau
  std::vector<String> chc;                                               // tokens at 1..nchc; chc[0] stays ""
  Integer nchc = 0;
  String chcList;           // the tokens as one comma-separated text
  String dhList;            // their offsets, likewise
  std::vector<Integer> dh;  // offsets at 1..nchc; dh[0] stays 0
};

// Builds the 43 equation tokens and their offsets for the block with the given
// control index: output "y" and input "e" for index 1 (the controller), "x"
// and "u" for every other index (the plant and the template).
void BuildTokens(Block& block, Integer index);

// Writes the block's parameters into its freshly built tokens: numbers take
// the place of the coefficient letters and dead-time symbols, index digits and
// coefficients of exactly "1" disappear, and terms whose parameter is 0
// disappear with the "+" that joins them. Works on token positions only.
void WriteParameters(Block& block);

// The non-empty tokens 1..nchc concatenated in position order (what the block
// reads like, without the offsets).
String EquationText(const Block& block);

}  // namespace model
