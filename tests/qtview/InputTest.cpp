// User input on the real widgets reaches the model and runs its events.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "platform/forms/Runtime.h"
#include "qtview/AllControlsForm.h"
#include "qtview/QtTestUtil.h"
#include "support/TestEnv.h"

using namespace qtviewtest;

namespace {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override { forms::ResetRuntime(); }
    void TearDown() override { forms::ResetRuntime(); }
    kdtest::TempDir dir;
};

TEST_F(InputTest, TypedNorwegianLettersReachTextAndChange) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();
    QLineEdit* edit = As<QLineEdit>(host, form.Text1);
    ASSERT_NE(edit, nullptr);
    Focus(edit);
    ASSERT_EQ(QApplication::focusWidget(), edit);
    EXPECT_TRUE(form.Text1.HasFocus());

    TypeText(edit, QString("Åsgård æøå ÆØÅ"));
    EXPECT_EQ(form.Text1.Text(), "Åsgård æøå ÆØÅ");
    ASSERT_EQ(form.changes.size(), 14u);   // one Change per character
    EXPECT_EQ(form.changes.front(), "Å");
    EXPECT_EQ(form.changes.back(), "Åsgård æøå ÆØÅ");
    EXPECT_EQ(form.Text1.SelStart(), 14);
    // With KeyPreview the form saw the keys that have codes: s g r d and the blanks.
    EXPECT_EQ(form.formKeys, (std::vector<int>{'S', 'G', 'R', 'D', 32, 32}));
    Screenshot(form, "typed-text");
}

TEST_F(InputTest, TypingStopsAtMaxLengthAndLockedRefusesIt) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();
    QLineEdit* edit = As<QLineEdit>(host, form.Text1);
    Focus(edit);
    form.Text1.SetMaxLength(5);
    EXPECT_EQ(edit->maxLength(), 5);
    TypeText(edit, QString("Ørjansen"));
    EXPECT_EQ(form.Text1.Text(), "Ørjan");
    EXPECT_EQ(edit->text(), QString("Ørjan"));

    // A paste or another path around the widget's limit is cut by the model and shown cut.
    edit->setMaxLength(100);
    edit->setText("Ørjansen");
    emit edit->textEdited(edit->text());
    EXPECT_EQ(form.Text1.Text(), "Ørjan");
    EXPECT_EQ(edit->text(), QString("Ørjan"));

    form.Text1.Locked = true;
    form.Text1.SetMaxLength(10);   // any property change brings the widget in line
    EXPECT_TRUE(edit->isReadOnly());
}

TEST_F(InputTest, ClicksReachClickAfterTheFocusMoved) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();
    form.Text1.SetFocus();
    form.events.clear();

    As<QPushButton>(host, form.C_Lagre)->click();
    EXPECT_EQ(form.events, (std::vector<std::string>{"Text1_LostFocus", "C_Lagre_Click"}));
    EXPECT_EQ(form.ActiveControl(), &form.C_Lagre);

    form.events.clear();
    As<QCheckBox>(host, form.Check1)->click();
    EXPECT_EQ(form.Check1.Value(), 1);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Check1_Click"}));

    // A disabled control's widget is disabled, so the user cannot click it.
    form.C_Avbryt.SetEnabled(false);
    EXPECT_FALSE(WidgetOf(host, form.C_Avbryt)->isEnabled());
}

TEST_F(InputTest, ListAndGridSelectionsReachTheModel) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();

    QListWidget* list = As<QListWidget>(host, form.List1);
    list->setCurrentRow(1);
    EXPECT_EQ(form.List1.ListIndex(), 1);
    emit list->itemDoubleClicked(list->item(2));
    EXPECT_EQ(form.List1.ListIndex(), 2);
    EXPECT_EQ(form.events, (std::vector<std::string>{"List1_Click Ærø, Åse", "List1_Click Lie, Bjørn", "List1_DblClick"}));

    // Setting the index from code moves the widget without coming back as a second Click.
    form.events.clear();
    form.List1.SetListIndex(0);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(form.events, (std::vector<std::string>{"List1_Click Ås, Øystein"}));

    form.events.clear();
    QTableView* grid = As<QTableView>(host, form.MSFlexGrid1);
    MouseClick(grid->viewport(), Qt::LeftButton, grid->visualRect(grid->model()->index(2, 1)).center());
    EXPECT_EQ(form.MSFlexGrid1.Row(), 2);
    EXPECT_EQ(form.MSFlexGrid1.Col(), 1);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Grid_Click 2,1"}));
    EXPECT_EQ(grid->currentIndex().row(), 2);
}

TEST_F(InputTest, MouseButtonsOnPicturesReachMouseDownAndMouseUp) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();

    QWidget* button = WidgetOf(host, form.G_Fil);
    MouseClick(button, Qt::RightButton);
    MouseClick(button, Qt::LeftButton);
    EXPECT_EQ(form.mouseDowns, (std::vector<int>{forms::vbRightButton, forms::vbLeftButton}));
    EXPECT_EQ(form.mouseUps, (std::vector<int>{forms::vbRightButton, forms::vbLeftButton}));

    // An image has no click of its own: a left release inside it is the click.
    form.mouseDowns.clear();
    QWidget* logo = WidgetOf(host, form.logo2);
    MouseClick(logo, Qt::RightButton);
    EXPECT_TRUE(form.events.empty());
    MouseClick(logo, Qt::LeftButton);
    EXPECT_EQ(form.mouseDowns, (std::vector<int>{10 + forms::vbRightButton, 10 + forms::vbLeftButton}));
    EXPECT_EQ(form.events, (std::vector<std::string>{"logo2_Click"}));
}

TEST_F(InputTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();
    QLineEdit* edit = As<QLineEdit>(host, form.Text1);
    Focus(edit);
    form.events.clear();

    PressKey(edit, Qt::Key_Return, "\r");
    PressKey(QApplication::focusWidget(), Qt::Key_Escape, "\x1b");
    EXPECT_EQ(form.events, (std::vector<std::string>{"Text1_LostFocus", "C_Lagre_Click", "C_Avbryt_Click"}));
    // The default button took the key: the form's KeyDown never saw it.
    EXPECT_TRUE(form.formKeys.empty());
}

TEST_F(InputTest, MenuChoicesRunClickOnlyWhenSwitchedOn) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();
    auto* top = qobject_cast<QMainWindow*>(FrameOf(host, form));
    QList<QAction*> bar = top->menuBar()->actions();
    QList<QAction*> items = bar[0]->menu()->actions();

    items[0]->trigger();
    items[2]->trigger();   // switched off in the design
    bar[1]->trigger();     // an item of the bar itself
    EXPECT_EQ(form.events, (std::vector<std::string>{"mnuFilAapne_Click", "mnuDommere_Click"}));

    form.mnuFilAapne.SetChecked(true);
    EXPECT_TRUE(items[0]->isChecked());
    form.mnuFilAapne.SetCaption("&Åpne en annen database");
    EXPECT_EQ(items[0]->text(), QString("&Åpne en annen database"));
    form.mnuFilAapne.SetVisible(false);
    EXPECT_FALSE(items[0]->isVisible());
}

TEST_F(InputTest, TheCloseBoxAsksTheFormAndKeepsTheWindowWhenRefused) {
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();
    QWidget* frame = FrameOf(host, form);

    form.queryCancel = 1;
    frame->close();
    Settle();
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(host.windowOf(form)->frame(), frame);

    form.queryCancel = 0;
    QPointer<QWidget> gone = frame;
    frame->close();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(host.windowOf(form), nullptr);
    Settle();
    EXPECT_TRUE(gone.isNull());
    std::vector<std::string> asked;
    for (const std::string& e : form.events)
        if (e.rfind("QueryUnload", 0) == 0) asked.push_back(e);
    EXPECT_EQ(asked, (std::vector<std::string>{"QueryUnload 0", "QueryUnload 0"}));

    // A new Show builds the window again from the model.
    form.Show();
    ASSERT_NE(As<QLineEdit>(host, form.Text1), nullptr);
    EXPECT_TRUE(FrameOf(host, form)->isVisible());
}

} // namespace

namespace {

TEST_F(InputTest, TabIntoAFileListChoosesNoFileButAChoiceDoes) {
    dir.write("Turnering.KVX", "");
    dir.write("Ålesund.kvx", "");
    AllControlsForm form(dir.path());
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();
    auto* list = As<QListWidget>(host, form.File1);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    Focus(As<QLineEdit>(host, form.Text1));
    list->setFocus(Qt::TabFocusReason);
    Settle();
    EXPECT_EQ(form.File1.ListIndex(), -1);
    EXPECT_EQ(form.File1.FileName(), "");
    list->setCurrentRow(1);   // chosen by the user: current and selected
    EXPECT_EQ(form.File1.ListIndex(), 1);
    EXPECT_EQ(form.File1.FileName(), "Ålesund.kvx");
}

} // namespace

namespace {

// A heading above a box, and a label with an access key before a box further down.
class Merket : public forms::Form {
public:
    Merket() : forms::Form("Merket") {
        Move(0, 0, 6000, 3000);
        Overskrift.SetCaption("Dommerdata");
        Overskrift.Move(120, 60, 3000, 300);
        Overskrift.SetFont({"Arial", 12, true});
        Navn.Move(120, 420, 2000, 315);
        Ledetekst.SetCaption("&Klubb:");
        Ledetekst.Move(120, 900, 1000, 255);
        Klubb.Move(1200, 885, 2000, 315);
    }
    forms::Label Overskrift{this, "Overskrift"};
    forms::TextBox Navn{this, "Navn"};
    forms::Label Ledetekst{this, "Ledetekst"};
    forms::TextBox Klubb{this, "Klubb"};
};

// The access key of a label moves to the box after it; a label without one is tied to
// no box but its own, so a heading names nothing.
TEST_F(InputTest, ALabelsAccessKeyMovesToTheBoxAfterItAndAHeadingIsTiedToNone) {
    Merket form;
    qtview::QtHost host;
    forms::SetHost(&host);
    form.Show();
    Settle();
    QLineEdit* navn = As<QLineEdit>(host, form.Navn);
    QLineEdit* klubb = As<QLineEdit>(host, form.Klubb);
    EXPECT_EQ(As<QLabel>(host, form.Overskrift)->buddy(), nullptr);
    EXPECT_EQ(As<QLabel>(host, form.Ledetekst)->buddy(), klubb);
    Focus(navn);
    QTest::keyClick(navn, Qt::Key_K, Qt::AltModifier);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), klubb);
    EXPECT_TRUE(form.Klubb.HasFocus());
}

} // namespace
