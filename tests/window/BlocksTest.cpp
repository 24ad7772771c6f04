// The equation blocks and the other control arrays at run time, the blocks'
// and the name labels' painting, and the window's side of the loop model.
#include <QAbstractItemModel>
#include <QSignalSpy>
#include <QTableView>

#include <cstddef>
#include <string>
#include <vector>

#include "Block.h"
#include "System.h"
#include "WindowFixture.h"

namespace {

// What the block's paint must come to: 7 + the measured tokens + 10.
fw::Integer ExpectedWidth(Blackbox& block) {
  fw::Graphics meter(block);
  meter.SetTextFont("minion pro");
  fw::Integer x = 7;
  for (fw::Integer i = 1; i <= block.nchc; ++i) {
    const auto k = static_cast<std::size_t>(i);
    meter.SetTextSize(block.dh[k] != 0 ? 17 : 21);
    x += fw::ToInteger(meter.StringWidth(block.chc[k]));
  }
  return x + 10;
}

bool IsCyan(fw::Color c) { return c == fw::Color{230, 255, 255}; }
bool IsBlack(fw::Color c) { return c == fw::Color{0, 0, 0}; }

}  // namespace

TEST_F(OpenWindow, NewBlocksTakeTheLowestFreeIndexAndTheirSymbols) {
  ASSERT_EQ(q().Bx(1), nullptr);
  Blackbox& first = q().NewBx();
  Blackbox& second = q().NewBx();
  EXPECT_EQ(first.Index(), 1);
  EXPECT_EQ(second.Index(), 2);
  EXPECT_EQ(q().Bx(1), &first);
  EXPECT_EQ(q().Bx(2), &second);
  // Opened before creation returned, with the final index.
  EXPECT_EQ(first.nchc, 43);
  EXPECT_EQ(model::EquationText(first), "T2∆2yi+T1∆yi+T0yi = K0ei-τ+K1∆ei-τ+K2∆2ei-τ");
  EXPECT_EQ(model::EquationText(second), "T2∆2xi+T1∆xi+T0xi = K0ui-τ+K1∆ui-τ+K2∆2ui-τ");

  // Closed in the dialogue's order and made again: the same indexes, the
  // same roles.
  q().Bx(2)->Close();
  q().Bx(1)->Close();
  EXPECT_EQ(q().Bx(1), nullptr);
  EXPECT_EQ(q().Bx(2), nullptr);
  Blackbox& controller = q().NewBx();
  Blackbox& plant = q().NewBx();
  EXPECT_EQ(controller.Index(), 1);
  EXPECT_EQ(plant.Index(), 2);
  for (std::size_t k : {5u, 11u, 16u}) {
    EXPECT_EQ(controller.chc[k], "y") << k;
    EXPECT_EQ(plant.chc[k], "x") << k;
  }
  for (std::size_t k : {23u, 31u, 40u}) {
    EXPECT_EQ(controller.chc[k], "e") << k;
    EXPECT_EQ(plant.chc[k], "u") << k;
  }
  // Each block answers its own menu handler; the template keeps its own.
  EXPECT_TRUE(controller.HandleMenu("Untitled"));
  EXPECT_TRUE(plant.HasMenuHandler("Untitled"));
  EXPECT_TRUE(q().Bx(0)->HandleMenu("Untitled"));
  EXPECT_EQ(q().Bx(0)->nchc, 43);  // the template's own tokens, plant symbols
  EXPECT_EQ(q().Bx(0)->chc[5], "x");
}

TEST_F(OpenWindow, NewElementsCopyTheTemplateNotTheLastElement) {
  Blackbox& first = q().NewBx();
  EXPECT_EQ(first.Left(), 10);
  EXPECT_EQ(first.Top(), 240);
  EXPECT_EQ(first.Parent(), q().panel());
  first.SetLeft(300);
  first.SetTop(100);
  first.par[3] = 5.0f;
  Blackbox& second = q().NewBx();
  EXPECT_EQ(second.Left(), 10);
  EXPECT_EQ(second.Top(), 240);
  EXPECT_EQ(second.Parent(), q().panel());
  EXPECT_EQ(second.par, std::vector<fw::Single>(7, 0.0f));

  ASSERT_EQ(q().BBtn(1), nullptr);
  fw::BevelButton& toggle = q().NewBBtn();
  EXPECT_EQ(toggle.Index(), 1);
  EXPECT_EQ(q().BBtn(1), &toggle);
  EXPECT_EQ(toggle.Left(), 1050);
  EXPECT_EQ(toggle.Top(), 671);
  EXPECT_EQ(toggle.Width(), 40);
  EXPECT_EQ(toggle.Height(), 20);
  EXPECT_EQ(toggle.Caption(), "");
  EXPECT_FALSE(toggle.Value());
  EXPECT_TRUE(toggle.HasHandler(fw::Event::Action));
  EXPECT_TRUE(toggle.HasHandler(fw::Event::Open));
  toggle.SetLeft(65);
  toggle.SetCaption("x");
  fw::BevelButton& next = q().NewBBtn();
  EXPECT_EQ(next.Index(), 2);
  EXPECT_EQ(next.Left(), 1050);
  EXPECT_EQ(next.Caption(), "");
}

TEST_F(OpenWindow, TemplateBlockPaintsNothingButTakesHeight60) {
  Blackbox* tmpl = q().Bx(0);
  ASSERT_NE(tmpl, nullptr);
  tmpl->SetHeight(20);
  tmpl->Refresh(true);
  EXPECT_EQ(tmpl->Height(), 60);
  EXPECT_EQ(tmpl->Width(), 195);
  EXPECT_EQ(InkOf(*tmpl).pixels, 0);
}

TEST_F(OpenWindow, BlockFitsItsWidthToItsTokensAndPaintsTheBox) {
  Blackbox& block = q().NewBx();
  block.Refresh(true);
  const fw::Integer full = ExpectedWidth(block);
  EXPECT_EQ(block.Width(), full);
  EXPECT_EQ(block.Height(), 60);
  EXPECT_GT(full, 195);
  block.Refresh(true);
  EXPECT_EQ(block.Width(), full);

  const fw::Integer w = block.Width();
  EXPECT_TRUE(IsBlack(block.PixelAt(0, 0)));
  EXPECT_TRUE(IsBlack(block.PixelAt(w - 1, 59)));
  EXPECT_TRUE(IsBlack(block.PixelAt(w / 2, 0)));
  EXPECT_TRUE(IsCyan(block.PixelAt(3, 30)));
  EXPECT_TRUE(IsCyan(block.PixelAt(w - 4, 30)));
  EXPECT_TRUE(IsCyan(block.PixelAt(w / 2, 56)));
  // Black glyph pixels between the margins, none in them.
  long glyphs = 0;
  for (fw::Integer x = 0; x < w; ++x) {
    for (fw::Integer y = 2; y < 58; ++y) {
      const fw::Color c = block.PixelAt(x, y);
      const bool ink = !IsCyan(c) && x > 0 && x < w - 1;
      if (!ink) continue;
      EXPECT_TRUE(x >= 5 && x < w - 8) << x << "," << y;
      if (IsBlack(c)) ++glyphs;
    }
  }
  EXPECT_GT(glyphs, 200);

  // Emptied tokens close up: the box is narrower by exactly their widths.
  for (std::size_t k : {1u, 2u, 8u, 9u}) block.chc[k].clear();
  block.Refresh(true);
  const fw::Integer narrower = ExpectedWidth(block);
  EXPECT_LT(narrower, full);
  EXPECT_EQ(block.Width(), narrower);
  block.Refresh(true);
  EXPECT_EQ(block.Width(), narrower);
}

TEST_F(OpenWindow, BlockSurvivesTokensThatDoNotMatchItsCount) {
  Blackbox& block = q().NewBx();
  block.nchc = 1000;  // more than it holds
  block.dh.resize(3);
  block.Refresh(true);
  EXPECT_GT(block.Width(), 17);
  block.nchc = -4;
  block.Refresh(true);
  EXPECT_EQ(block.Width(), 17);
  block.chc.clear();
  block.nchc = 43;
  block.Refresh(true);
  EXPECT_EQ(block.Width(), 17);
}

// The block's own stored values match their names in any case, as every
// toolkit property does, and the canvas's and every control's still apply.
TEST(BlockProperties, OwnNamesMatchInAnyCaseBeforeTheCanvasNames) {
  Blackbox block;
  fw::RuntimeMassPropertySetter(block, {{"RE", fw::Integer{3}},
                                        {"Nchc", fw::Integer{2}},
                                        {"chclist", fw::String("a,b")},
                                        {"DHLIST", fw::String("0,5")},
                                        {"transparent", false},
                                        {"top", fw::Integer{240}}});
  EXPECT_EQ(block.re, 3);
  EXPECT_EQ(block.nchc, 2);
  EXPECT_EQ(block.chcList, "a,b");
  EXPECT_EQ(block.dhList, "0,5");
  EXPECT_FALSE(block.Transparent());
  EXPECT_EQ(block.Top(), 240);
  // A name the block lacks is only stored.
  block.SetProperty("nchcs", fw::Integer{9});
  EXPECT_EQ(block.nchc, 2);
  EXPECT_NE(block.StoredProperty("NCHCS"), nullptr);
}

TEST_F(OpenWindow, NameLabelsDrawTheirNames) {
  for (fw::Integer k = 0; k <= 6; ++k) {
    fw::Canvas* label = q().parnam(k);
    ASSERT_NE(label, nullptr);
    label->Refresh(true);
    EXPECT_GT(InkOf(*label).pixels, 20) << k;
  }
  // Letters start at the left edge, with the index digit lower to the right
  // of them; the dead time's blank puts the τ further right.
  const InkSpan letter = InkOf(*q().parnam(0));
  const InkSpan digitRows = InkOf(*q().parnam(0), 26, 30);
  const InkSpan tau = InkOf(*q().parnam(6));
  EXPECT_LE(letter.first, 3);
  EXPECT_GE(digitRows.first, 15);
  EXPECT_GT(tau.first, 5);
  EXPECT_GT(tau.first, letter.first);
  EXPECT_LT(InkOf(*q().parnam(6), 26, 30).pixels, digitRows.pixels);  // no subscript under the τ
}

TEST_F(OpenWindow, ParReadyWritesBothBlocksAndRepaintsThem) {
  Blackbox& controller = q().NewBx();
  Blackbox& plant = q().NewBx();
  controller.Refresh(true);
  plant.Refresh(true);
  const fw::Integer before = controller.Width();
  controller.par = {0, 0, 1, 2, 0, 0, 0};
  plant.par = {0, 4, 1, 1, 0, 0, 1};
  q().ParReady();
  EXPECT_EQ(q().actual, 3);
  EXPECT_EQ(model::EquationText(controller), "yi = 2ei");
  EXPECT_EQ(model::EquationText(plant), "4∆xi+xi = ui-1");
  EXPECT_LT(controller.Width(), before);
  EXPECT_EQ(controller.Width(), ExpectedWidth(controller));
  EXPECT_EQ(plant.Width(), ExpectedWidth(plant));
}

TEST_F(OpenWindow, ParReadyWithoutBlocksDoesNothingHarmful) {
  q().ParReady();
  EXPECT_EQ(q().actual, 3);
}

TEST_F(OpenWindow, InputFillsTheRowFromTheShapeField) {
  q().Time = 500;
  q().s.Resize(4, 500);
  bool ok = false;
  q().friFld()->SetText("Stoß");
  q().input(3, ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(q().s(3, 1), 1.0f);
  EXPECT_EQ(q().s(3, 2), 0.0f);

  // An incomplete hand-drawn curve: refused with a beep, Time 50.
  q().friFld()->SetText("Hand");
  q().yFld()->SetText("100");
  const fw::Integer beeps = fw::BeepCount();
  q().input(4, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(fw::BeepCount(), beeps + 1);
  EXPECT_EQ(q().Time, 50);

  // A complete one is read through the y scale.
  q().ix.assign(51, 0);
  q().iy.assign(51, 50);
  q().input(4, ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(q().s(4, 7), 0.5f);
  EXPECT_EQ(fw::BeepCount(), beeps + 1);
}

TEST_F(OpenWindow, EvalFillsTheValueTable) {
  Blackbox& controller = q().NewBx();
  Blackbox& plant = q().NewBx();
  controller.par = {0, 0, 1, 2, 0, 0, 0};
  plant.par = {0, 4, 1, 1, 0, 0, 1};
  q().Time = 500;
  q().s.Resize(4, 500);
  q().friFld()->SetText("Sprung");
  bool ok = false;
  q().input(4, ok);
  ASSERT_TRUE(ok);
  q().SigLst()->SetColumnCount(5);
  // The run's rows reach the view in one insertion, their cells with them.
  auto* model = static_cast<QTableView*>(q().SigLst()->Widget())->model();
  QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
  QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
  q().Eval();
  EXPECT_EQ(inserted.size(), 1);
  EXPECT_EQ(changed.size(), 0);
  fw::Listbox& table = *q().SigLst();
  ASSERT_EQ(table.ListCount(), 501);
  EXPECT_EQ(table.Cell(0, 0), "0");
  EXPECT_EQ(table.Cell(500, 0), "500");
  EXPECT_EQ(table.Cell(1, 2), " -2.00");
  EXPECT_EQ(table.Cell(2, 1), " 0.40");
  EXPECT_EQ(table.Cell(2, 4), " 1.00");
  EXPECT_FLOAT_EQ(q().s(1, 3), 0.56f);

  // Without blocks the run treats every parameter as 0 and still fills rows.
  controller.Close();
  plant.Close();
  table.DeleteAllRows();
  q().Time = 3;
  q().Eval();
  EXPECT_EQ(table.ListCount(), 4);
}
