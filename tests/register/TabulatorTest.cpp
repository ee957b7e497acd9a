// The register by keyboard only, through the real widgets: the window opens in
// the number box, Tab goes down the referee's boxes, and the keys save him.
#include "Fixture.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "frame/Hovedmeny2.h"
#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"
#include "support/Tastatur.h"

namespace regtest {
namespace {

using kdtest::Fokus;
using kdtest::Skriv;
using kdtest::Tab;

class Tabulator : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        forms::SetHost(&host);
        forms::Default<Hovedmeny2>().Show();
    }
    void TearDown() override {
        forms::ResetDefaults();
        forms::SetHost(nullptr);
        RegisterTest::TearDown();
    }
    QWidget* widget(const forms::Control& c) { return host.windowOf(*c.Owner())->viewWidget(c); }
    qtview::QtHost host;
};

TEST_F(Tabulator, TheTypistsReferee) {
    Dommere_Init& f = vis();
    QApplication::setActiveWindow(widget(f.Text4)->window());
    // Opens with the focus in the number box, the model agreeing.
    ASSERT_EQ(Fokus(), widget(f.Text4));
    EXPECT_EQ(f.ActiveControl(), &f.Text4);

    Skriv("3");
    Tab();
    Skriv("Kari");
    Tab();
    Skriv("Ås");
    Tab();
    Skriv("Ørn IL");
    Tab();
    Skriv("Storgata 1");
    EXPECT_EQ(f.Text4.Text(), "3");
    EXPECT_EQ(f.Text1.Text(), "Kari");
    EXPECT_EQ(f.Text2.Text(), "Ås");
    EXPECT_EQ(f.Text3.Text(), "Ørn IL");
    EXPECT_EQ(f.Text5.Text(), "Storgata 1");
    EXPECT_EQ(f.ActiveControl(), &f.Text5);

    // On down the boxes to the games; Space ticks Boccia.
    for (forms::TextBox* neste : {&f.Text6, &f.Text7, &f.Text8, &f.Text10, &f.Text14, &f.Text9, &f.Text15}) {
        Tab();
        EXPECT_EQ(Fokus(), widget(*neste)) << neste->Name();
    }
    Tab();
    ASSERT_EQ(Fokus(), widget(f.SSCheck1));
    QTest::keyClick(Fokus(), Qt::Key_Space);
    EXPECT_EQ(f.SSCheck1.Value(), 1);

    // Tab finds "Lagre Dommer" without passing a box that only shows, and Space saves.
    const std::vector<const forms::Control*> visning = {&f.Text11, &f.Text12, &f.Text13, &f.Text16, &f.Text17, &f.Text18};
    for (int i = 0; i < 60 && Fokus() != widget(f.SSCommand2); ++i) {
        Tab();
        for (const forms::Control* v : visning) EXPECT_NE(Fokus(), widget(*v)) << v->Name();
        EXPECT_NE(Fokus(), widget(f.Command1)) << "Sjekk for ledige dommernummere before Lagre";
    }
    ASSERT_EQ(Fokus(), widget(f.SSCommand2));
    QTest::keyClick(Fokus(), Qt::Key_Space);
    dao::Recordset r = rad(3);
    EXPECT_EQ(vb::CStr(r.Get("Dommer_FNavn")), "Kari");
    EXPECT_EQ(vb::CStr(r.Get("Dommer_ENavn")), "Ås");
    EXPECT_EQ(vb::CStr(r.Get("Dommer_Lag")), "Ørn IL");
    EXPECT_EQ(vb::CStr(r.Get("Dommer_Adresse")), "Storgata 1");
    EXPECT_TRUE(vb::CBool(r.Get("Dommer_Boccia")));
}

TEST_F(Tabulator, TabRoundTheFormLeavesNoLabelCut) {
    Dommere_Init& f = vis();
    QApplication::setActiveWindow(widget(f.Text4)->window());
    auto* scroll = qobject_cast<QScrollArea*>(widget(f.Text4)->parentWidget()->parentWidget()->parentWidget());
    ASSERT_NE(scroll, nullptr);
    // Whether the label is shown whole in the part of the form the window shows.
    const auto helt = [&](const forms::Control& c) {
        const QWidget* w = widget(c);
        const QRect i = QRect(w->mapTo(scroll->viewport(), QPoint(0, 0)), w->size());
        return scroll->viewport()->rect().contains(i);
    };
    ASSERT_GT(scroll->horizontalScrollBar()->maximum(), 0) << "the form fits: no scrolling to prove";
    // The far right of the form, then round to the number box again.
    for (int i = 0; i < 80 && Fokus() != widget(f.Command1); ++i) Tab();
    ASSERT_EQ(Fokus(), widget(f.Command1));
    EXPECT_TRUE(helt(f.Command1));
    EXPECT_GT(scroll->horizontalScrollBar()->value(), 0);
    for (int i = 0; i < 80 && Fokus() != widget(f.Text4); ++i) Tab();
    ASSERT_EQ(Fokus(), widget(f.Text4));
    EXPECT_TRUE(helt(f.Label2)) << "Nr.: cut at scroll " << scroll->horizontalScrollBar()->value();
    EXPECT_TRUE(helt(f.Text4));
    // A box already in view moves nothing.
    const int x = scroll->horizontalScrollBar()->value(), y = scroll->verticalScrollBar()->value();
    Tab();
    EXPECT_EQ(Fokus(), widget(f.Text1));
    EXPECT_EQ(scroll->horizontalScrollBar()->value(), x);
    EXPECT_EQ(scroll->verticalScrollBar()->value(), y);
}

} // namespace
} // namespace regtest
