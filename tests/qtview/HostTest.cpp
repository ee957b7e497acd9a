// The host's own duties: the MDI main window and its children, windows that
// go with their forms, and the single-instance lock.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QWindow>

#include "platform/forms/Controls.h"
#include "platform/forms/Runtime.h"
#include "qtview/QtTestUtil.h"
#include "support/OnceShown.h"

using namespace qtviewtest;

namespace {

class Hovedvindu : public forms::Form {
public:
    Hovedvindu() : forms::Form("Hovedvindu") {
        IsMDIForm = true;
        SetCaption("KvistrelDommer Versjon 1.20.0");
        Move(0, 0, 9600, 7200);
        Picture2.Align = 1;
        Picture2.Move(0, 0, 9600, 1200);
        SSCommand1.SetContainer(&Picture2);
        SSCommand1.SetCaption("Hent Turneringsdata");
        SSCommand1.Move(120, 120, 1800, 900);
        Panel3D1.SetContainer(&Picture2);
        Panel3D1.Panel = true;
        Panel3D1.SetCaption("Kvistrel Dommer");
        Panel3D1.Move(2040, 120, 2400, 900);
        StatusBar1.SetPanelCount(1);
        StatusBar1.SetPanelText(1, "Ingen database åpen");
    }
    forms::Menu mnuFil{this, "mnuFil", "&Fil"};
    forms::Menu mnuAvslutt{this, "mnuAvslutt", "Avslutt &KvistrelDommer", &mnuFil};
    forms::PictureBox Picture2{this, "Picture2"};
    forms::SSCommand SSCommand1{this, "SSCommand1"};
    forms::SSPanel Panel3D1{this, "Panel3D1"};
    forms::StatusBar StatusBar1{this, "StatusBar1"};
};

class Register : public forms::Form {
public:
    Register() : forms::Form("Register") {
        MDIChild = true;
        SetCaption("Dommerregister");
        Move(120, 1950, 6000, 3000);
        Label1.SetCaption("Dommere: 0");
        Label1.Move(240, 240, 3000, 300);
        C_Ferdig.SetCaption("Ferdig");
        C_Ferdig.Move(240, 700, 1200, 400);
        C_Ferdig.Click = [this] { Unload(); };
    }
    void Form_Activate() override { ++activations; }
    forms::Label Label1{this, "Label1"};
    forms::CommandButton C_Ferdig{this, "C_Ferdig"};
    int activations = 0;
};

class Info : public Register {
public:
    Info() { SetCaption("INFO VINDU"); }
};

class EgetVindu : public Register {
public:
    EgetVindu() { MDIChild = false; }
};

class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetRuntime();
        forms::SetHost(&host);
    }
    void TearDown() override {
        forms::ResetDefaults();
        Settle();
        forms::ResetRuntime();
    }
    qtview::QtHost host;
};

TEST_F(HostTest, MdiChildrenLiveInTheMainWindowBelowItsButtonBar) {
    auto& main = forms::Default<Hovedvindu>();
    main.Load();
    auto& child = forms::Default<Register>();
    // Showing a child first brings up its main window.
    child.Show();
    Settle();

    auto* top = qobject_cast<QMainWindow*>(FrameOf(host, main));
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(top->isVisible());
    auto* sub = qobject_cast<QMdiSubWindow*>(FrameOf(host, child));
    ASSERT_NE(sub, nullptr);
    QMdiArea* area = host.windowOf(main)->mdiArea();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(sub->mdiArea(), area);
    // Its Top counts from the top of the work space, the 80 pixels of the bar included.
    EXPECT_EQ(sub->geometry(), QRect(8, 50, 400, 200));
    // The aligned bar sits above the MDI area, its buttons inside it; the status bar is the window's.
    QWidget* bar = WidgetOf(host, main.Picture2);
    EXPECT_EQ(bar->height(), 80);
    EXPECT_LE(bar->geometry().bottom(), area->geometry().top());
    EXPECT_EQ(WidgetOf(host, main.SSCommand1)->parentWidget(), bar);
    EXPECT_EQ(top->statusBar(), WidgetOf(host, main.StatusBar1));
    EXPECT_EQ(top->menuBar()->actions().size(), 1);
    Screenshot(main, "mdi-main-window");

    // Its own button unloads the child: the sub-window goes, the main window stays.
    QPointer<QMdiSubWindow> gone = sub;
    As<QPushButton>(host, child.C_Ferdig)->click();
    Settle();
    EXPECT_TRUE(gone.isNull());
    EXPECT_FALSE(forms::IsLoaded<Register>());
    EXPECT_TRUE(top->isVisible());
}

TEST_F(HostTest, MovingBetweenChildrenActivatesThem) {
    forms::Default<Hovedvindu>().Show();
    auto& first = forms::Default<Register>();
    auto& second = forms::Default<Info>();
    first.Show();
    second.Show();
    Settle();
    const int before = first.activations;
    QMdiArea* area = host.windowOf(forms::Default<Hovedvindu>())->mdiArea();
    area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(FrameOf(host, first)));
    Settle();
    EXPECT_EQ(first.activations, before + 1);
    EXPECT_EQ(forms::Screen.ActiveForm(), &first);
}

TEST_F(HostTest, HideKeepsTheWindowAndShowBringsItBack) {
    auto& child = forms::Default<Register>();
    child.MDIChild = false;
    child.Show();
    QWidget* frame = FrameOf(host, child);
    child.Label1.SetCaption("Dommere: 12");
    child.Hide();
    EXPECT_FALSE(frame->isVisible());
    child.Show();
    EXPECT_EQ(FrameOf(host, child), frame);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(As<QLabel>(host, child.Label1)->text(), QString("Dommere: 12"));
}

// The main window's button shows a window the user had minimised: it comes back as it
// was, in front and active, inside the main window and as a window of its own alike.
TEST_F(HostTest, AMinimisedWindowAskedForAgainComesBackActive) {
    forms::Default<Hovedvindu>().Show();
    auto& child = forms::Default<Register>();
    auto& other = forms::Default<Info>();
    child.Show();
    other.Show();
    Settle();
    auto* sub = static_cast<QMdiSubWindow*>(FrameOf(host, child));
    QMdiArea* area = sub->mdiArea();
    sub->showMinimized();
    area->setActiveSubWindow(static_cast<QMdiSubWindow*>(FrameOf(host, other)));
    Settle();
    ASSERT_TRUE(sub->isMinimized());
    child.Show();
    Settle();
    EXPECT_FALSE(sub->isMinimized());
    EXPECT_EQ(area->activeSubWindow(), sub);
    EXPECT_EQ(forms::Screen.ActiveForm(), &child);
    // A window that was not minimised keeps its size when asked for again.
    const QSize size = sub->size();
    child.Show();
    Settle();
    EXPECT_EQ(sub->size(), size);

    auto& own = forms::Default<EgetVindu>();
    own.Show();
    Settle();
    QWidget* top = FrameOf(host, own);
    top->showMinimized();
    Settle();
    ASSERT_TRUE(top->isMinimized());
    own.Show();
    Settle();
    EXPECT_FALSE(top->isMinimized());
    EXPECT_TRUE(top->isVisible());
}

TEST_F(HostTest, AWindowThatWentWithTheMainWindowIsBuiltAgainOnShow) {
    auto& main = forms::Default<Hovedvindu>();
    main.Show();
    auto& dialog = forms::Default<Register>();
    dialog.MDIChild = false;   // a window of its own, held above the main window
    dialog.Show();
    EXPECT_EQ(FrameOf(host, dialog)->parentWidget(), FrameOf(host, main));
    main.Unload();
    Settle();
    EXPECT_TRUE(dialog.IsLoaded());
    dialog.Show();
    ASSERT_NE(FrameOf(host, dialog), nullptr);
    EXPECT_TRUE(FrameOf(host, dialog)->isVisible());
    EXPECT_EQ(As<QLabel>(host, dialog.Label1)->text(), QString("Dommere: 0"));
}

TEST_F(HostTest, DroppingEveryFormTakesTheirWindowsAlong) {
    forms::Default<Hovedvindu>().Show();
    forms::Default<Register>().Show();
    QPointer<QWidget> main = FrameOf(host, forms::Default<Hovedvindu>());
    forms::ResetDefaults();
    Settle();
    EXPECT_TRUE(main.isNull());
}

// Runs ask in a copy of this process and returns its answer; a copy that stays
// keeps running (holding what it took) until killed.
char AskInCopy(bool (*ask)(), pid_t* stays = nullptr) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return '?';
    const pid_t copy = ::fork();
    if (copy == 0) {
        const char answer = ask() ? 'y' : 'n';
        [[maybe_unused]] const auto written = ::write(pipeEnds[1], &answer, 1);
        if (stays) ::pause();
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    char answer = '?';
    if (copy < 0 || ::read(pipeEnds[0], &answer, 1) != 1) answer = '?';
    ::close(pipeEnds[0]);
    if (stays) *stays = copy;
    else if (copy > 0) ::waitpid(copy, nullptr, 0);
    return answer;
}

// The copies do the locking, so this process stays free of the lock for repeated runs.
TEST_F(HostTest, ASecondCopyFindsTheLockHeldAndALockLeftByADeadCopyIsTakenOver) {
    pid_t first = 0;
    EXPECT_EQ(AskInCopy(qtview::AcquireInstanceLock, &first), 'n');   // nobody else: it takes the lock
    ASSERT_GT(first, 0);
    EXPECT_EQ(AskInCopy(qtview::AcquireInstanceLock), 'y');           // the second copy finds it held
    ::kill(first, SIGKILL);
    ::waitpid(first, nullptr, 0);
    EXPECT_EQ(AskInCopy(qtview::AcquireInstanceLock), 'n');           // the dead copy's lock is taken over
    EXPECT_EQ(AskInCopy([] { return qtview::AcquireInstanceLock() || qtview::AcquireInstanceLock(); }), 'n');
}

} // namespace

namespace {

// A window of its own, not inside the main window: sizable, or with a fixed border.
class Egenvindu : public forms::Form {
public:
    explicit Egenvindu(int border = 2) : forms::Form("Egenvindu") {
        BorderStyle = border;
        SetCaption("Send dommerfil som epost....");
        Move(1500, 1500, 6000, 4500);
    }
    void Form_Resize() override { widths.push_back(Width()); }
    std::vector<int> widths;
};

class Fast : public Egenvindu {
public:
    Fast() : Egenvindu(3) {}
};

class Tredje : public Register {
public:
    Tredje() { SetCaption("Duplikater"); }
};

// At start a plain window waits for the event loop: the splash, unloaded before then,
// never becomes a window; one still shown then is built; the main window is at once.
TEST_F(HostTest, AtStartAPlainWindowWaitsForTheEventLoop) {
    host.showPlainWindowsWhenLoopRuns();
    auto& splash = forms::Default<Fast>();
    auto& stays = forms::Default<Egenvindu>();
    splash.Show();
    stays.Show();
    EXPECT_TRUE(splash.Visible());
    EXPECT_EQ(FrameOf(host, splash), nullptr);
    auto& main = forms::Default<Hovedvindu>();
    main.Show();
    ASSERT_NE(FrameOf(host, main), nullptr);
    EXPECT_TRUE(FrameOf(host, main)->isVisible());
    splash.Unload();
    Settle();
    EXPECT_EQ(FrameOf(host, splash), nullptr);
    ASSERT_NE(FrameOf(host, stays), nullptr);
    EXPECT_TRUE(FrameOf(host, stays)->isVisible());
    // Once the loop ran, a window is there as soon as it is shown.
    forms::Default<Fast>().Show();
    EXPECT_NE(FrameOf(host, forms::Default<Fast>()), nullptr);
}

TEST_F(HostTest, WindowsOfTheMainWindowStayAboveIt) {
    forms::Default<Hovedvindu>().Show();
    QWindow* main = FrameOf(host, forms::Default<Hovedvindu>())->windowHandle();
    for (forms::Form* f : std::initializer_list<forms::Form*>{&forms::Default<Egenvindu>(), &forms::Default<Fast>()}) {
        f->Show();
        Settle();
        QWidget* frame = FrameOf(host, *f);
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->isWindow());
        EXPECT_EQ(frame->windowHandle()->transientParent(), main);
        // Of the kinds the window system keeps above the window they are transient for.
        EXPECT_EQ(frame->windowType(), Qt::Dialog);
        EXPECT_TRUE(frame->windowFlags() & Qt::WindowCloseButtonHint);
    }
}

TEST_F(HostTest, ClosingAChildHandsOverToTheWindowItWasOpenedFrom) {
    forms::Default<Hovedvindu>().Show();
    auto& oldest = forms::Default<Register>();
    auto& from = forms::Default<Info>();
    oldest.Show();
    from.Show();
    forms::Default<Tredje>().Show();
    Settle();
    const int before = oldest.activations;
    FrameOf(host, forms::Default<Tredje>())->close();
    Settle();
    EXPECT_FALSE(forms::IsLoaded<Tredje>());
    EXPECT_EQ(forms::Screen.ActiveForm(), &from);
    EXPECT_EQ(oldest.activations, before);
    QMdiArea* area = host.windowOf(forms::Default<Hovedvindu>())->mdiArea();
    EXPECT_EQ(area->activeSubWindow(), FrameOf(host, from));
}

TEST_F(HostTest, AUsersResizeReachesTheFormWhereTheWindowStands) {
    forms::Default<Hovedvindu>().Show();
    auto& f = forms::Default<Egenvindu>();
    f.Show();
    Settle();
    QWidget* frame = FrameOf(host, f);
    const QPoint at = frame->pos();
    f.widths.clear();
    frame->resize(700, 400);
    Settle();
    EXPECT_EQ(f.Width(), (700 + 8) * 15);
    EXPECT_EQ(f.Height(), (400 + 30) * 15);
    EXPECT_EQ(f.widths, std::vector<int>{(700 + 8) * 15});
    EXPECT_EQ(frame->pos(), at);
    EXPECT_EQ(frame->size(), QSize(700, 400));
    // A size set by the program still places the window.
    f.Move(f.Left(), f.Top(), 6000, 4500);
    Settle();
    EXPECT_EQ(frame->size(), QSize(400 - 8, 300 - 30));
}

// A window is moved up and left into the main window's work space as far as needed,
// and one larger than it is cut to it and scrolls its form inside.
class Stort : public Register {
public:
    Stort() { Move(3000, 4000, 17025, 11025); }
};

TEST_F(HostTest, AWindowOpensInsideTheWorkSpaceAndALargerOneScrollsInside) {
    forms::Default<Hovedvindu>().Show();
    auto& low = forms::Default<Register>();
    low.Move(120, 6000, 6000, 3000);
    low.Show();
    auto& large = forms::Default<Stort>();
    large.Show();
    Settle();
    QMdiArea* area = host.windowOf(forms::Default<Hovedvindu>())->mdiArea();
    const QRect space(QPoint(0, 0), area->viewport()->size());
    const QRect lowAt = FrameOf(host, low)->geometry();
    EXPECT_EQ(lowAt, QRect(8, space.bottom() + 1 - 200, 400, 200));
    EXPECT_EQ(FrameOf(host, large)->geometry(), space);
    // The form keeps its size inside: its last button is reached by scrolling, not cut away.
    auto* scroll = FrameOf(host, large)->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    EXPECT_GT(scroll->horizontalScrollBar()->maximum(), 0);
}

TEST_F(HostTest, ThePrinterSetUpSaysItChoosesAPrinterAndPrintsNothing) {
    QString title;
    QStringList buttons;
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [&](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        for (auto* b : dialog->findChildren<QPushButton*>())
            if (b->isVisible()) buttons << b->text();
        dialog->close();
    });
    EXPECT_FALSE(host.printerSetup());
    EXPECT_EQ(title, QStringLiteral("Skriveroppsett"));
    EXPECT_TRUE(buttons.contains(QStringLiteral("Velg &skriver"))) << buttons.join(QLatin1Char('|')).toStdString();
    for (const QString& b : buttons) EXPECT_FALSE(b.contains(QStringLiteral("Print")) || b.contains(QStringLiteral("Skriv ut")));
}

// A PDF file chosen once is not the only way left: the set-up goes back to what a
// print does by itself (the default printer, or a PDF of its own name).
TEST_F(HostTest, ThePrinterSetUpOffersTheAutomaticChoiceBack) {
    QPrinter& valgt = host.chosenPrinter();
    valgt.setOutputFormat(QPrinter::PdfFormat);
    valgt.setOutputFileName(QStringLiteral("/tmp/kd-ikke-skrevet/valgt.pdf"));
    bool clicked = false;
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [&](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        for (auto* b : dialog->findChildren<QPushButton*>())
            if (b->isVisible() && b->text() == QStringLiteral("Au&tomatisk valg")) {
                b->click();
                clicked = true;
                return;
            }
        dialog->close();
    });
    EXPECT_TRUE(host.printerSetup());
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(host.chosenPrinter().outputFileName().isEmpty());
}

} // namespace
