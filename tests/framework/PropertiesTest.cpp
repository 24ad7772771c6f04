// The lists of stored properties: a name finds its row in any case, an
// unknown name finds none, and a class's list falls back to its base class's.
#include <gtest/gtest.h>

#include <string_view>

#include "Canvas.h"
#include "Properties.h"

namespace {

using fw::PropertyValue;

struct Dial {
  fw::Integer turns = 0;
  bool lit = false;
};

constexpr fw::PropertyRow<Dial> kDialRows[] = {
    {"Turns", [](Dial& d, const PropertyValue& v) { d.turns = fw::AsInteger(v, d.turns); }},
    {"Lit", [](Dial& d, const PropertyValue& v) { d.lit = fw::AsBoolean(v, d.lit); }},
    {"_Offset", [](Dial&, const PropertyValue&) {}},
};

TEST(PropertyLookup, ANameFindsItsRowInAnyCaseAndNoOther) {
  struct Case {
    std::string_view name;
    int row;  // -1: no row
  };
  const Case cases[] = {
      {"Turns", 0},
      {"turns", 0},
      {"TURNS", 0},
      {"tUrNs", 0},
      {"Lit", 1},
      {"LIT", 1},
      {"_offset", 2},
      {"_OFFSET", 2},
      {"Turn", -1},
      {"Turnss", -1},
      {"Li", -1},
      {"", -1},
      {" Lit", -1},
      {"Lit ", -1},
      {"\x7FOffset", -1},  // DEL and '_' differ in the case bit alone, yet are no letter pair
      {std::string_view("Lit\0", 4), -1},
  };
  for (const Case& c : cases) {
    const fw::PropertyRow<Dial>* row = fw::FindPropertyRow(kDialRows, c.name);
    if (c.row < 0) {
      EXPECT_EQ(row, nullptr) << '"' << c.name << '"';
    } else {
      EXPECT_EQ(row, &kDialRows[c.row]) << '"' << c.name << '"';
    }
  }
}

TEST(PropertyLookup, AppliesTheNamedRowAndLeavesTheRestForTheCaller) {
  Dial d;
  EXPECT_TRUE(fw::ApplyListedProperty(kDialRows, d, "turns", PropertyValue{fw::Integer{7}}));
  EXPECT_TRUE(fw::ApplyListedProperty(kDialRows, d, "LIT", PropertyValue{true}));
  EXPECT_EQ(d.turns, 7);
  EXPECT_TRUE(d.lit);
  // A value of the wrong type is the row's to handle: these keep the old one.
  EXPECT_TRUE(fw::ApplyListedProperty(kDialRows, d, "Turns", PropertyValue{fw::String("9")}));
  EXPECT_EQ(d.turns, 7);
  // A name the list lacks is not applied and is reported as unknown.
  EXPECT_FALSE(fw::ApplyListedProperty(kDialRows, d, "Lamp", PropertyValue{false}));
  EXPECT_FALSE(fw::ApplyListedProperty(kDialRows, d, "", PropertyValue{false}));
  EXPECT_TRUE(d.lit);
}

// A canvas of its own kind, as the program's controls extend the toolkit's:
// its own list first, then the canvas's, then every control's.
class Gauge : public fw::Canvas {
 public:
  std::string_view ClassName() const override { return "Gauge"; }
  fw::Integer needle = 0;
  int ownApplied = 0;

 protected:
  bool ApplyProperty(const fw::String& name, const PropertyValue& value) override {
    static constexpr fw::PropertyRow<Gauge> kRows[] = {
        {"Needle", [](Gauge& g, const PropertyValue& v) { g.needle = fw::AsInteger(v, g.needle); }},
        // Shadows the canvas's own row of that name.
        {"Transparent", [](Gauge& g, const PropertyValue&) { ++g.ownApplied; }},
    };
    return fw::ApplyListedProperty(kRows, *this, name, value) || fw::Canvas::ApplyProperty(name, value);
  }
};

TEST(PropertyLookup, AClassListFallsBackToItsBaseClassLists) {
  Gauge g;
  g.SetProperty("NEEDLE", fw::Integer{40});
  EXPECT_EQ(g.needle, 40);
  g.SetProperty("acceptfocus", true);  // the canvas's list
  EXPECT_TRUE(g.AcceptFocus());
  g.SetProperty("WIDTH", fw::Integer{120});  // every control's list
  EXPECT_EQ(g.Width(), 120);
  g.SetProperty("Transparent", false);  // the class's own row comes first
  EXPECT_EQ(g.ownApplied, 1);
  EXPECT_TRUE(g.Transparent());
  // Known to no list: kept as a stored value only.
  g.SetProperty("Needles", fw::Integer{3});
  EXPECT_EQ(g.needle, 40);
  ASSERT_NE(g.StoredProperty("needles"), nullptr);
  EXPECT_EQ(fw::AsInteger(*g.StoredProperty("needles")), 3);
  // A value of the wrong type falls through to no other list.
  g.SetProperty("Width", fw::String("wide"));
  EXPECT_EQ(g.Width(), 120);
}

}  // namespace
