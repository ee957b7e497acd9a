// The Tab key through the real widgets of both match windows: every box in
// screen order, and out of the referee grid again with the model following.
#include "Fixture.h"

#include <QApplication>
#include <QTest>

#include "frame/Hovedmeny2.h"
#include "import/Dommer2.h"
#include "matches/Dommer.h"
#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"

namespace kamptest {
namespace {

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
    QWidget* widget(forms::Control& c) { return host.windowOf(*c.Owner())->viewWidget(c); }
    // Puts the focus on from, presses the key and gives the control the focus went to.
    std::string press(forms::Control& from, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* w = widget(from);
        QApplication::setActiveWindow(w->window());
        w->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(w, Qt::Key_Tab, modifiers);
        forms::Control* now = from.Owner()->ActiveControl();
        std::string name = now ? now->Name() + (now->Index() >= 0 ? "(" + std::to_string(now->Index()) + ")" : "") : "";
        // The widget with the focus is the model's active control.
        EXPECT_EQ(now ? widget(*now) : nullptr, QApplication::focusWidget()) << name;
        return name;
    }
    qtview::QtHost host;
};

TEST_F(Tabulator, TabVisitsEveryEntryBoxInScreenOrder) {
    auto& f = forms::Default<Dommer>();
    f.Show();
    const struct { forms::Control* from; std::string next; } steps[] = {
        {&f.Text4, "Text5"},       {&f.Text5, "Text1"},       {&f.Text6, "Text2"},       {&f.Text2, "Text8(0)"},
        {&f.Text8(0), "Text8(2)"}, {&f.Text8(2), "Text3"},    {&f.Text3, "Text8(1)"},    {&f.Text8(1), "Text8(3)"},
        {&f.Text8(3), "SSCheck1"},
    };
    for (const auto& s : steps) EXPECT_EQ(press(*s.from), s.next) << s.from->Name();
    EXPECT_EQ(press(f.Text8(0), Qt::ShiftModifier), "Text2");
}

TEST_F(Tabulator, TabLeavesTheRefereeGridWhichKeepsItsReferee) {
    for (Kampvindu* f : std::initializer_list<Kampvindu*>{&forms::Default<Dommer>(), &forms::Default<Dommer2>()}) {
        SCOPED_TRACE(f->Name());
        f->Show();
        f->MSFlexGrid2.UserClickCell(2, 1);
        const std::string valgt = f->Text4.Text();
        EXPECT_EQ(press(f->MSFlexGrid2), "Text4");
        EXPECT_EQ(press(f->Text4, Qt::ShiftModifier), "MSFlexGrid2");
        EXPECT_EQ(f->MSFlexGrid2.Row(), 2);
        EXPECT_EQ(f->Text4.Text(), valgt);
    }
}

} // namespace
} // namespace kamptest
