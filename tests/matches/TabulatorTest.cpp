// The Tab key through the real widgets of the match windows: the number box
// first, down the referee's boxes, then down the match's, and out of the
// referee grid again with the model following.
#include "Fixture.h"

#include <QApplication>
#include <QTest>

#include "frame/Hovedmeny2.h"
#include "import/Dommer2.h"
#include "matches/Dommer.h"
#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"
#include "support/Tastatur.h"

namespace kamptest {
namespace {

using kdtest::Fokus;
using kdtest::Skriv;
using kdtest::Tab;

class Tabulator : public KampTest {
protected:
    void SetUp() override {
        KampTest::SetUp();
        dommer(3, "Ola", "Nordmann", "Kvikk");
        dommer(12, "Kari", "Ås", "Ørn IL");
        forms::SetHost(&host);
        forms::Default<Hovedmeny2>().Show();
    }
    void TearDown() override {
        forms::ResetDefaults();
        forms::SetHost(nullptr);
        KampTest::TearDown();
    }
    QWidget* widget(const forms::Control& c) { return host.windowOf(*c.Owner())->viewWidget(c); }
    qtview::QtHost host;
};

TEST_F(Tabulator, TheTypistsMatchGoesIntoItsBoxes) {
    auto& f = forms::Default<Dommer>();
    f.Show();
    QApplication::setActiveWindow(widget(f.Text4)->window());
    ASSERT_EQ(Fokus(), widget(f.Text4));

    const std::vector<std::pair<forms::TextBox*, QString>> felt = {
        {&f.Text4, "12"},          {&f.Text1, "Kari"},         {&f.Text2, "Ås"},
        {&f.Text5, "Vårcupen"},    {&f.Text6, "08.12.2026"},   {&f.Text8(0), "Bækkelaget"},
        {&f.Text8(1), "Åsane"},    {&f.Text8(2), "3"},         {&f.Text8(3), "1"}};
    for (const auto& [boks, tekst] : felt) {
        EXPECT_EQ(Fokus(), widget(*boks)) << boks->Name();
        EXPECT_EQ(f.ActiveControl(), boks);
        Skriv(tekst);
        Tab();
    }
    for (const auto& [boks, tekst] : felt) EXPECT_EQ(boks->Text(), tekst.toStdString()) << boks->Name();
    // Klubb/Lag only shows the register's club: Tab passed it by.
    EXPECT_EQ(f.Text3.Text(), "");
    EXPECT_EQ(Fokus(), widget(f.SSCheck1));
    Tab();
    EXPECT_EQ(Fokus(), widget(f.SSCheck2));
    Tab();
    EXPECT_EQ(Fokus(), widget(f.MSFlexGrid2));
    Tab(Qt::ShiftModifier);
    EXPECT_EQ(Fokus(), widget(f.SSCheck2));
    EXPECT_EQ(f.ActiveControl(), &f.SSCheck2);
}

TEST_F(Tabulator, TabLeavesTheRefereeGridWithThePickedRefereeKept) {
    auto& f = forms::Default<Dommer>();
    f.Show();
    f.MSFlexGrid2.UserClickCell(2, 1);
    QWidget* grid = widget(f.MSFlexGrid2);
    QApplication::setActiveWindow(grid->window());
    grid->setFocus(Qt::OtherFocusReason);
    // The chosen referee has no match: the empty match grid is no stop, the sorts come next.
    Tab();
    EXPECT_EQ(Fokus(), widget(f.SSCommand6));
    EXPECT_EQ(f.ActiveControl(), &f.SSCommand6);
    Tab(Qt::ShiftModifier);
    EXPECT_EQ(Fokus(), grid);
    EXPECT_EQ(f.MSFlexGrid2.Row(), 2);
    EXPECT_EQ(f.Text1.Text(), "Kari");
}

TEST_F(Tabulator, TheReviewWindowPassesTheBoxesThatOnlyShow) {
    auto& f = forms::Default<Dommer2>();
    f.Show();
    QApplication::setActiveWindow(widget(f.Text4)->window());
    ASSERT_EQ(Fokus(), widget(f.Text4));
    Tab();
    EXPECT_EQ(Fokus(), widget(f.Text5));
    Tab();
    EXPECT_EQ(Fokus(), widget(f.Text6));
    Tab();
    // Name, club and games are the register's: next is the referee grid.
    EXPECT_EQ(Fokus(), widget(f.MSFlexGrid2));
}

} // namespace
} // namespace kamptest
