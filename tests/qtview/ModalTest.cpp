// Message boxes and modal forms run nested event loops and return what the user chose.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/forms/Controls.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "qtview/QtTestUtil.h"

using namespace qtviewtest;

namespace {

struct SeenBox {
    QString title, text, defaultButton;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool waitCursor = false;
};

// Once the next modal box is up, records it and lets act answer it. Looks for up to 20 s, so a
// loaded machine that is slow to show the box does not leave it waiting for ever.
void WhenBoxShows(SeenBox* seen, std::function<void(QMessageBox*)> act, int triesLeft = 2000) {
    QTimer::singleShot(10, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (triesLeft > 0) WhenBoxShows(seen, act, triesLeft - 1);
            return;
        }
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        for (QAbstractButton* b : box->buttons()) seen->buttons << b->text();
        seen->buttons.sort();
        seen->waitCursor = QApplication::overrideCursor() != nullptr;
        act(box);
    });
}

void ClickWhenShown(SeenBox* seen, const QString& caption) {
    WhenBoxShows(seen, [caption](QMessageBox* box) {
        for (QAbstractButton* b : box->buttons())
            if (b->text() == caption) b->click();
    });
}

class ModalTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetRuntime();
        forms::SetHost(&host);
    }
    void TearDown() override { forms::ResetRuntime(); }
    qtview::QtHost host;
};

// A poll runs from the event loop until it is done; one that shows a box is not run again
// inside the box's own event loop.
TEST_F(ModalTest, APollRunsFromTheEventLoopAndNeverInsideItsOwnBox) {
    int runs = 0, insideBox = 0;
    bool boxUp = false;
    SeenBox seen;
    forms::Poll(5, [&] {
        if (boxUp) ++insideBox;
        if (++runs == 2) {
            boxUp = true;
            ClickWhenShown(&seen, "&OK");
            forms::MsgBox("Svaret kom");
            boxUp = false;
        }
        return runs < 4;
    });
    // Generous: a loaded machine may run the ticks late, never more than four times.
    EXPECT_TRUE(QTest::qWaitFor([&] { return runs >= 4; }, 10000));
    Wait(50);
    EXPECT_EQ(runs, 4);
    EXPECT_EQ(insideBox, 0);
    EXPECT_EQ(seen.text, QString("Svaret kom"));
}

TEST_F(ModalTest, TheChosenButtonIsTheAnswer) {
    SeenBox seen;
    ClickWhenShown(&seen, "&Nei");
    const int answer = forms::MsgBox("Linje 1\rLinje 2\r\nLinje 3\nLinje 4\r\rLinje 6",
                                     forms::vbYesNoCancel + forms::vbQuestion + forms::vbDefaultButton2, "Slette dommer?");
    EXPECT_EQ(answer, forms::vbNo);
    EXPECT_EQ(seen.title, QString("Slette dommer?"));
    EXPECT_EQ(seen.text, QString("Linje 1\nLinje 2\nLinje 3\nLinje 4\n\nLinje 6"));
    EXPECT_EQ(seen.buttons, QStringList({"&Avbryt", "&Ja", "&Nei"}));
    EXPECT_EQ(seen.defaultButton, QString("&Nei"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
}

TEST_F(ModalTest, EachStyleHasItsNorwegianButtonsAndIcon) {
    struct Case {
        int style;
        QStringList buttons;
        QMessageBox::Icon icon;
        QString click;
        int answer;
        QString preferred;
    };
    const Case cases[] = {
        {forms::vbOKOnly + forms::vbExclamation, {"&OK"}, QMessageBox::Warning, "&OK", forms::vbOK, "&OK"},
        {forms::vbOKCancel + forms::vbCritical, {"&Avbryt", "&OK"}, QMessageBox::Critical, "&Avbryt", forms::vbCancel, "&OK"},
        {forms::vbAbortRetryIgnore + forms::vbDefaultButton3, {"&Avbryt", "&Ignorer", "&Prøv igjen"}, QMessageBox::NoIcon,
         "&Prøv igjen", forms::vbRetry, "&Ignorer"},
        {forms::vbYesNo + forms::vbInformation, {"&Ja", "&Nei"}, QMessageBox::Information, "&Ja", forms::vbYes, "&Ja"},
        {forms::vbRetryCancel + forms::vbDefaultButton2, {"&Avbryt", "&Prøv igjen"}, QMessageBox::NoIcon, "&Avbryt",
         forms::vbCancel, "&Avbryt"},
    };
    for (const Case& c : cases) {
        SeenBox seen;
        ClickWhenShown(&seen, c.click);
        EXPECT_EQ(forms::MsgBox("Du må åpne fil/database først!", c.style), c.answer) << c.style;
        EXPECT_EQ(seen.buttons, c.buttons) << c.style;
        EXPECT_EQ(seen.icon, c.icon) << c.style;
        // An untitled box carries the program's title.
        EXPECT_EQ(seen.title, QString("KvistrelDommer")) << c.style;
        EXPECT_EQ(seen.defaultButton, c.preferred) << c.style;
    }
}

TEST_F(ModalTest, EscapeAnswersCancelWhereTheBoxHasIt) {
    SeenBox seen;
    WhenBoxShows(&seen, [](QMessageBox* box) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &escape);
    });
    EXPECT_EQ(forms::MsgBox("Avbryte innlesingen?", forms::vbOKCancel), forms::vbCancel);
}

// Each button answers to its underlined letter, alone or with Alt; the box has no minimise or maximise.
TEST_F(ModalTest, TheUnderlinedLetterAnswersAndTheBoxOnlyCloses) {
    const struct { int style, key; Qt::KeyboardModifiers modifiers; int answer; } cases[] = {
        {forms::vbYesNo, Qt::Key_N, Qt::NoModifier, forms::vbNo},
        {forms::vbYesNoCancel, Qt::Key_J, Qt::AltModifier, forms::vbYes},
        {forms::vbAbortRetryIgnore, Qt::Key_I, Qt::NoModifier, forms::vbIgnore},
    };
    for (const auto& c : cases) {
        SeenBox seen;
        Qt::WindowFlags flags;
        WhenBoxShows(&seen, [&c, &flags](QMessageBox* box) {
            flags = box->windowFlags();
            // Alt and a letter reach a button only through the active window's shortcuts, and
            // a loaded machine may show the box before it makes it active.
            box->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(box, 20000));
            QTest::keyClick(box, Qt::Key(c.key), c.modifiers);
        });
        EXPECT_EQ(forms::MsgBox("Slette dommer?", c.style), c.answer) << c.style;
        EXPECT_EQ(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
                  Qt::WindowCloseButtonHint);
    }
}

TEST_F(ModalTest, TheBoxShowsTheNormalPointerAndTheHourglassComesBack) {
    forms::Screen.SetMousePointer(forms::vbHourglass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    SeenBox seen;
    ClickWhenShown(&seen, "&OK");
    forms::MsgBox("Ferdig");
    EXPECT_FALSE(seen.waitCursor);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    // A second hourglass does not stack: one normal pointer brings the arrow back.
    forms::Screen.SetMousePointer(forms::vbHourglass);
    forms::Screen.SetMousePointer(forms::vbDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A dialog shown modally: its OK button reads the name and unloads it.
class NavnDialog : public forms::Form {
public:
    NavnDialog() : forms::Form("NavnDialog") {
        SetCaption("Ny database");
        BorderStyle = 3;
        Move(0, 0, 4800, 2400);
        Text1.Move(240, 240, 3000, 330);
        C_Ferdig.SetCaption("&Ferdig");
        C_Ferdig.Move(240, 800, 1200, 400);
        C_Ferdig.Click = [this] {
            navn = Text1.Text();
            Unload();
        };
        C_Feil.Move(1600, 800, 1200, 400);
        C_Feil.Click = [] { vb::Raise(53, "Finner ikke filen Ålesund.KVX"); };
    }
    forms::TextBox Text1{this, "Text1"};
    forms::CommandButton C_Ferdig{this, "C_Ferdig"};
    forms::CommandButton C_Feil{this, "C_Feil"};
    std::string navn;
};

TEST_F(ModalTest, AModalFormWaitsUntilItUnloadsItself) {
    NavnDialog dialog;
    bool wasModal = false;
    QTimer::singleShot(20, [&] {
        wasModal = QApplication::activeModalWidget() == FrameOf(host, dialog);
        auto* edit = As<QLineEdit>(host, dialog.Text1);
        Focus(edit);
        TypeText(edit, "Østfold");
        Screenshot(dialog, "modal-dialog");
        As<QPushButton>(host, dialog.C_Ferdig)->click();
    });
    dialog.Show(forms::vbModal);
    // Show returned only after the dialog's own button unloaded it.
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(dialog.navn, "Østfold");
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(host.windowOf(dialog), nullptr);
    Settle();
}

TEST_F(ModalTest, AModalFormThatHidesItselfEndsTheWaitAndKeepsItsWindow) {
    NavnDialog dialog;
    dialog.C_Ferdig.Click = [&dialog] { dialog.Hide(); };
    QTimer::singleShot(20, [&] { As<QPushButton>(host, dialog.C_Ferdig)->click(); });
    dialog.Show(forms::vbModal);
    EXPECT_TRUE(dialog.IsLoaded());
    QWidget* frame = FrameOf(host, dialog);
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->isVisible());
    // Shown again without waiting, it no longer blocks the other windows.
    dialog.Show();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->windowModality(), Qt::NonModal);
    dialog.Unload();
}

TEST_F(ModalTest, AnUntrappedErrorIsShownInABoxAndTheProgramGoesOn) {
    NavnDialog dialog;
    dialog.Show();
    SeenBox seen;
    ClickWhenShown(&seen, "&OK");
    As<QPushButton>(host, dialog.C_Feil)->click();
    EXPECT_EQ(seen.text, QString("Årsak :  Finner ikke filen Ålesund.KVX"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_TRUE(dialog.IsLoaded());
    dialog.Unload();
}

} // namespace
