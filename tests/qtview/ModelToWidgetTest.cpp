// Code that changes a property changes the widget at once, without echoing
// back into the model.
#include <gtest/gtest.h>

#include <algorithm>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "platform/forms/Runtime.h"
#include "qtview/AllControlsForm.h"
#include "qtview/QtTestUtil.h"
#include "support/TestEnv.h"

using namespace qtviewtest;

namespace {

class ModelToWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetRuntime();
        forms::App.ResourcePath = KD_SOURCE_DIR "/resources";
    }
    void TearDown() override { forms::ResetRuntime(); }
    kdtest::TempDir dir;
};

TEST_F(ModelToWidgetTest, TextCaptionGeometryFontAndColourFollowTheModel) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();

    form.Text1.SetText("Bjørn Ærlig");
    EXPECT_EQ(As<QLineEdit>(host, form.Text1)->text(), QString("Bjørn Ærlig"));
    EXPECT_EQ(form.changes, (std::vector<std::string>{"Bjørn Ærlig"}));   // no echo from the widget

    form.Label2.SetCaption("Født:");
    EXPECT_EQ(As<QLabel>(host, form.Label2)->text(), QString("Født:"));
    form.Frame1.SetCaption("Spill");
    EXPECT_EQ(As<QGroupBox>(host, form.Frame1)->title(), QString("Spill"));
    form.SetCaption("Ny tittel – Tromsø");
    EXPECT_EQ(FrameOf(host, form)->windowTitle(), QString("Ny tittel – Tromsø"));

    form.C_Lagre.Move(T(500), T(400), T(120), T(30));
    EXPECT_EQ(WidgetOf(host, form.C_Lagre)->geometry(), QRect(500, 400, 120, 30));
    form.Label2.SetFontBold(true);
    form.Label2.SetFontSize(12);
    EXPECT_TRUE(WidgetOf(host, form.Label2)->font().bold());
    EXPECT_DOUBLE_EQ(WidgetOf(host, form.Label2)->font().pointSizeF(), 12.0);
    form.Text1.SetBackColor(forms::vbYellow);
    EXPECT_EQ(WidgetOf(host, form.Text1)->palette().color(QPalette::Base), QColor(255, 255, 0));
    form.Text1.SetBackColor(forms::vbWindowBackground);
    EXPECT_EQ(WidgetOf(host, form.Text1)->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));

    // A view reads its picture once while set up, and again for each change.
    const qint64 before = As<QToolButton>(host, form.G_Fil)->icon().cacheKey();
    form.G_Fil.SetPicture("G_Disk.svg");
    EXPECT_FALSE(As<QToolButton>(host, form.G_Fil)->icon().isNull());
    EXPECT_NE(As<QToolButton>(host, form.G_Fil)->icon().cacheKey(), before);
    form.Label3.SetVisible(false);
    EXPECT_FALSE(WidgetOf(host, form.Label3)->isVisibleTo(WidgetOf(host, form.Picture1)));
}

// A caption under a picture keeps room for all its lines, also for a word wider than the button.
TEST_F(ModelToWidgetTest, APictureLeavesRoomForEveryCaptionLineUnderIt) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();
    form.G_Res.Move(T(345), T(76), T(100), T(60));
    form.G_Res.SetCaption("Resultatinnleggingene kort");
    auto* knapp = As<QToolButton>(host, form.G_Res);
    const QFontMetrics metrics(knapp->font());
    ASSERT_GT(metrics.horizontalAdvance(QStringLiteral("Resultatinnleggingene")), 94);
    EXPECT_EQ(knapp->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_LE(knapp->iconSize().height(), std::max(8, 60 - 8 - 2 * metrics.height() - 2));
}

TEST_F(ModelToWidgetTest, ADisabledFrameDisablesItsChildrenButNotTheirOwnEnabled) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();
    form.Frame1.SetEnabled(false);
    EXPECT_FALSE(WidgetOf(host, form.Option1)->isEnabled());
    EXPECT_TRUE(form.Option1.Enabled());
    EXPECT_TRUE(WidgetOf(host, form.Option3)->isEnabled());
    form.Frame1.SetEnabled(true);
    EXPECT_TRUE(WidgetOf(host, form.Option1)->isEnabled());
}

TEST_F(ModelToWidgetTest, OptionGroupsFollowTheModelPerContainer) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();
    auto* boccia = As<QRadioButton>(host, form.Option1);
    auto* curling = As<QRadioButton>(host, form.Option2);
    auto* mann = As<QRadioButton>(host, form.Option3);

    form.Option3.SetValue(true);
    form.Option1.SetValue(true);
    EXPECT_TRUE(boccia->isChecked());
    EXPECT_TRUE(mann->isChecked());   // another container, another group

    curling->click();
    EXPECT_TRUE(form.Option2.Value());
    EXPECT_FALSE(form.Option1.Value());
    EXPECT_TRUE(curling->isChecked());
    EXPECT_FALSE(boccia->isChecked());
    EXPECT_TRUE(mann->isChecked());

    // Clicking the chosen one again keeps it chosen (the widget alone would switch it off).
    curling->click();
    EXPECT_TRUE(form.Option2.Value());
    EXPECT_TRUE(curling->isChecked());
    EXPECT_EQ(form.events, (std::vector<std::string>{"Option1_Click", "Option2_Click", "Option2_Click"}));

    // False from code leaves the group with none, and runs nothing.
    form.events.clear();
    form.Option2.SetValue(false);
    EXPECT_FALSE(curling->isChecked());
    EXPECT_FALSE(boccia->isChecked());
    EXPECT_TRUE(form.events.empty());
}

TEST_F(ModelToWidgetTest, ListsGridsAndPanelsFollowTheModel) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();

    QListWidget* list = As<QListWidget>(host, form.List1);
    form.List1.AddItem("Næss, Kåre", 0);
    form.List1.RemoveItem(4);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    EXPECT_EQ(shown, QStringList({"Næss, Kåre", "Ås, Øystein", "Ærø, Åse", "Lie, Bjørn"}));
    form.List1.Clear();
    EXPECT_EQ(list->count(), 0);

    QComboBox* combo = As<QComboBox>(host, form.Combo1);
    form.Combo1.SetListIndex(1);
    EXPECT_EQ(combo->currentText(), QString("Curling"));

    // The grid follows at the next turn of the event loop, all changes at once.
    QTableView* grid = As<QTableView>(host, form.MSFlexGrid1);
    const auto cell = [grid](int r, int c) { return grid->model()->index(r, c).data().toString(); };
    for (int i = 0; i < 200; ++i) form.MSFlexGrid1.AddItem(std::to_string(i + 13) + "\tDommer " + std::to_string(i) + "\tØrsta");
    EXPECT_EQ(grid->model()->rowCount(), 4);
    Settle();
    EXPECT_EQ(grid->model()->rowCount(), 204);
    EXPECT_EQ(cell(203, 2), QString("Ørsta"));
    form.MSFlexGrid1.SetTextMatrix(1, 1, "Aas, Øystein");
    Settle();
    EXPECT_EQ(cell(1, 1), QString("Aas, Øystein"));
    form.MSFlexGrid1.SetRows(2);
    Settle();
    EXPECT_EQ(grid->model()->rowCount(), 2);
    form.MSFlexGrid1.Clear();
    Settle();
    EXPECT_EQ(cell(1, 1), QString());
    form.MSFlexGrid1.SetColWidth(2, T(50));
    Settle();
    EXPECT_EQ(grid->columnWidth(2), 50);

    form.StatusBar1.SetPanelText(2, "Åpen: Turnering.KVX");
    const QList<QLabel*> panels = As<QStatusBar>(host, form.StatusBar1)->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 2);
    EXPECT_EQ(panels[1]->text(), QString("Åpen: Turnering.KVX"));
    form.Panel3D1.SetCaption("HENT FIL\rHurtigknapp for å hente ny resultat-fil");
    EXPECT_EQ(As<QLabel>(host, form.Panel3D1)->text(), QString("HENT FIL\nHurtigknapp for å hente ny resultat-fil"));
}

TEST_F(ModelToWidgetTest, AnEnabledTimerTicksUntilSwitchedOff) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();
    const auto ticks = [&form] { return std::count(form.events.begin(), form.events.end(), "Timer1_Timer"); };
    Wait(60);
    EXPECT_EQ(ticks(), 0);   // no interval, no ticks
    form.Timer1.SetInterval(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks() >= 2; }, 10000));
    const auto ticked = ticks();
    EXPECT_GE(ticked, 2);
    form.Timer1.SetEnabled(false);
    Wait(60);
    EXPECT_EQ(ticks(), ticked);
}

} // namespace
