// The main window by the keyboard: the menu bar's access keys and F10, and the
// help key, on the real window.
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#include "frame/Main.h"
#include "frame/QtFrameFixture.h"
#include "mail/MailTestSupport.h"

namespace fs = std::filesystem;

namespace kdtest {
namespace {

// How many pixels of the entry are drawn in the highlight colour.
int litPixels(QMenuBar* bar, QAction* entry) {
    const QImage shown = bar->grab().toImage();
    const QColor lit = bar->palette().color(QPalette::Highlight);
    const QRect at = bar->actionGeometry(entry);
    int count = 0;
    for (int y = at.top(); y <= at.bottom(); ++y)
        for (int x = at.left(); x <= at.right(); ++x)
            if (shown.pixelColor(x, y) == lit) ++count;
    return count;
}

TEST_F(QtFrameTest, MenuBarEntriesRunByTheirAccessKeyAndByF10AndReturnNotTheFocusedButton) {
    Main();
    settle();
    auto& h = forms::Default<Hovedmeny2>();
    int register_ = 0, distribution = 0, button = 0;
    h.Dommere_Initielle.Click = [&register_] { ++register_; };
    h.Ny_Dommerfil.Click = [&distribution] { ++distribution; };
    h.D_Rapport.Click = [&button] { ++button; };
    QWidget* knapp = widget(h.D_Rapport);
    QApplication::setActiveWindow(window(h));
    knapp->setFocus();
    settle();
    ASSERT_EQ(QApplication::focusWidget(), knapp);
    QMenuBar* bar = static_cast<QMainWindow*>(window(h))->menuBar();

    QTest::keyClick(knapp, Qt::Key_D, Qt::AltModifier);
    settle();
    EXPECT_EQ(register_, 1);
    QTest::keyClick(knapp, Qt::Key_S, Qt::AltModifier);
    settle();
    EXPECT_EQ(distribution, 1);
    // An entry run by its letter stays lit for a moment, as a pressed button does.
    QTest::qWait(200);

    // F10 lights the first entry, where the user sees it; Right moves onto an entry without
    // a drop-down, Return runs it.
    EXPECT_EQ(litPixels(bar, action("Fil")), 0);
    QTest::keyClick(knapp, Qt::Key_F10);
    EXPECT_EQ(bar->activeAction(), action("Fil"));
    EXPECT_GT(litPixels(bar, action("Fil")), 20);
    EXPECT_EQ(litPixels(bar, action("Dommere_Initielle")), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(bar->activeAction(), action("Dommere_Initielle"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    EXPECT_EQ(register_, 2);
    EXPECT_EQ(button, 0);
    // The light goes out and the keys are the button's again.
    EXPECT_EQ(bar->activeAction(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), knapp);
    QTest::keyClick(knapp, Qt::Key_Return);
    settle();
    EXPECT_EQ(button, 1);
    EXPECT_EQ(register_, 2);
}

// A stand-in xdg-open first on PATH that records its arguments.
class HelpKeyTest : public QtFrameTest {
protected:
    void SetUp() override {
        QtFrameTest::SetUp();
        mailtest::WriteRecorder(bin.path(), 0, "", "xdg-open");
        const char* path = std::getenv("PATH");
        onPath = std::make_unique<mailtest::PathAs>(bin.path() + ":" + (path ? path : ""));
    }
    void TearDown() override {
        onPath.reset();
        QtFrameTest::TearDown();
    }
    std::vector<std::string> launched() const { return mailtest::RecordedArgs(bin.path()); }
    TempDir bin;
    std::unique_ptr<mailtest::PathAs> onPath;
};

TEST_F(HelpKeyTest, F1OpensTheHelpFileInTheViewerAndSaysSoWhenThereIsNone) {
    Main();
    settle();
    auto& h = forms::Default<Hovedmeny2>();
    QWidget* knapp = widget(h.G_Fil);
    QApplication::setActiveWindow(window(h));
    knapp->setFocus();
    settle();

    std::string told;
    whenReady([&told] { return acceptBox(&told); });
    QTest::keyClick(knapp, Qt::Key_F1);
    settle();
    EXPECT_NE(told.find("Hjelpefilen finnes ikke"), std::string::npos) << told;
    EXPECT_NE(told.find(program.file("KVISTREL.HLP")), std::string::npos) << told;
    EXPECT_TRUE(launched().empty());

    // The old file system found the file under any case of its name.
    const std::string hjelp = program.write("Kvistrel.hlp", "hjelp");
    told.clear();
    QTest::keyClick(knapp, Qt::Key_F1);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (launched().empty() && std::chrono::steady_clock::now() < until) {
        QApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(launched(), std::vector<std::string>{fs::absolute(hjelp).string()});
    // The viewer took it: no word to the user.
    for (int i = 0; i < 20; ++i) {
        settle();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace kdtest
