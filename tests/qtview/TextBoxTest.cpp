// Text boxes: the handlers' key rules, multi-line text with CR LF, and the
// selection in both directions.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/forms/Controls.h"
#include "platform/forms/Runtime.h"
#include "qtview/QtTestUtil.h"

using namespace qtviewtest;

namespace {

class Notat : public forms::Form {
public:
    Notat() : forms::Form("Notat") {
        SetCaption("Merknad");
        Move(0, 0, 6000, 4000);
        Postnr.Move(120, 120, 1500, 330);
        // Digits only, as the old form's KeyPress allowed; letters become capitals.
        Kode.Move(120, 600, 1500, 330);
        Kode.KeyPress = [](int& KeyAscii) {
            if (KeyAscii >= 'a' && KeyAscii <= 'z') KeyAscii -= 32;
            if (KeyAscii >= '0' && KeyAscii <= '9') KeyAscii = 0;
        };
        Merknad.MultiLine = true;
        Merknad.Move(120, 1100, 5000, 1500);
        Merknad.Change = [this] { ++changes; };
        Sted.Move(120, 2800, 1500, 330);
        Sted.GotFocus = [this] {
            Sted.SetSelStart(int(Sted.Text().size()));
            Sted.SetSelLength(0);
        };
    }
    forms::TextBox Postnr{this, "Postnr"};
    forms::TextBox Kode{this, "Kode"};
    forms::TextBox Merknad{this, "Merknad"};
    forms::TextBox Sted{this, "Sted"};
    int changes = 0;
};

class TextBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetRuntime();
        forms::SetHost(&host);
    }
    void TearDown() override { forms::ResetRuntime(); }
    Notat form;
    qtview::QtHost host;
};

TEST_F(TextBoxTest, KeyPressMaySwallowOrChangeTheKey) {
    form.Show();
    auto* edit = As<QLineEdit>(host, form.Kode);
    Focus(edit);
    TypeText(edit, "ab1c2ø");
    EXPECT_EQ(form.Kode.Text(), "ABCø");
    EXPECT_EQ(edit->text(), QString("ABCø"));
}

TEST_F(TextBoxTest, MultiLineTextKeepsCrLfInTheModel) {
    form.Show();
    auto* edit = As<QPlainTextEdit>(host, form.Merknad);
    ASSERT_NE(edit, nullptr);
    form.Merknad.SetText("Første linje\r\nAndre linje");
    EXPECT_EQ(edit->toPlainText(), QString("Første linje\nAndre linje"));
    EXPECT_EQ(form.changes, 1);

    Focus(edit);
    edit->moveCursor(QTextCursor::End);
    edit->insertPlainText("\nTredje – æøå");
    EXPECT_EQ(form.Merknad.Text(), "Første linje\r\nAndre linje\r\nTredje – æøå");
    EXPECT_EQ(edit->toPlainText(), QString("Første linje\nAndre linje\nTredje – æøå"));
}

TEST_F(TextBoxTest, CaretPlacedByGotFocusStaysWhenEnteredByTabOrMouse) {
    form.Show();
    form.Sted.SetText("Bø");
    auto* edit = As<QLineEdit>(host, form.Sted);
    for (const bool mouse : {false, true}) {
        Focus(As<QPlainTextEdit>(host, form.Merknad));
        if (mouse) {
            // A real click gives the focus first, then the press places the caret.
            edit->setFocus(Qt::MouseFocusReason);
            MouseClick(edit, Qt::LeftButton, QPoint(2, 5));
        } else {
            edit->setFocus(Qt::TabFocusReason);
        }
        Settle();
        EXPECT_FALSE(edit->hasSelectedText()) << mouse;
        EXPECT_EQ(edit->cursorPosition(), 2) << mouse;
        EXPECT_EQ(form.Sted.SelStart(), 2) << mouse;
        EXPECT_EQ(form.Sted.SelLength(), 0) << mouse;
    }
}

TEST_F(TextBoxTest, SelectionGoesBothWays) {
    form.Show();
    auto* edit = As<QLineEdit>(host, form.Postnr);
    form.Postnr.SetText("Ålesund 6002");
    form.Postnr.SetSelStart(8);
    form.Postnr.SetSelLength(4);
    EXPECT_EQ(edit->selectedText(), QString("6002"));

    edit->setSelection(0, 7);
    EXPECT_EQ(form.Postnr.SelStart(), 0);
    EXPECT_EQ(form.Postnr.SelLength(), 7);
    EXPECT_EQ(form.Postnr.SelText(), "Ålesund");
}

} // namespace
