// The frame through the real widgets on the offscreen platform: the start,
// the menu bar and button bar, a new database made and opened again by the
// user's own steps, and pictures of the windows.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>

#include "database/Schema.h"
#include "database/NyDBase.h"
#include "frame/QtFrameFixture.h"
#include "frame/FraFil.h"
#include "frame/FraFil_Dommerbase.h"
#include "frame/Hovedmeny2.h"
#include "frame/Main.h"
#include "frame/POPUP.h"
#include "frame/StartBilde.h"
#include "frame/TilFil.h"
#include "platform/files/Files.h"
#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"
#include "register/Dommere_Init.h"
#include "shared/Gate.h"
#include "support/OnceShown.h"

namespace fs = std::filesystem;

namespace kdtest {
namespace {

TEST_F(QtFrameTest, ProgramStartsWithMenusAndButtonBar) {
    Main();
    settle();
    auto& h = forms::Default<Hovedmeny2>();
    auto* main = qobject_cast<QMainWindow*>(window(h));
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("KvistrelDommer Versjon 1.20.0"));
    QStringList bar;
    for (QAction* a : main->menuBar()->actions()) bar << a->text();
    EXPECT_EQ(bar, (QStringList{"&Fil", "Administrasjon av &Dommere", "Dommer &Turneringsdata",
                                "Di&stribusjon av dommerfil", "&Hjelp", "&Avslutt"}));
    ASSERT_NE(action("HjelpKonfigurasjon"), nullptr);
    EXPECT_FALSE(action("HjelpKonfigurasjon")->isEnabled());
    EXPECT_TRUE(action("FilHentFil")->isEnabled());
    EXPECT_TRUE(widget(h.Picture2)->isVisible());
    EXPECT_TRUE(widget(h.G_Fil)->isVisible());
    EXPECT_TRUE(widget(h.SSCommand4)->isVisible());
    EXPECT_TRUE(widget(h.Panel3D1)->isVisible());
    EXPECT_EQ(window(forms::Default<StartBilde>()), nullptr);
    shot(h, "hovedmeny2");
}

// A name the file system or the choosers cannot take is refused with words, not only a beep.
TEST_F(QtFrameTest, NewDatabaseNameWithAForbiddenCharacterIsExplained) {
    Main();
    settle();
    std::string told;
    bool stillOpen = false;
    auto press = [](QWidget* w, const char* caption) {
        for (auto* b : w->findChildren<QAbstractButton*>())
            if (b->text() == QLatin1String(caption)) b->click();
    };
    whenReady([&] {
        QWidget* w = window(forms::Default<NyDBase>());
        if (!w || !w->isVisible() || !w->findChild<QLineEdit*>()) return false;
        w->findChild<QLineEdit*>()->setFocus();
        type(w->findChild<QLineEdit*>(), QStringLiteral("Cup 1/2"));
        whenReady([&, w] {
            if (!acceptBox(&told)) return false;
            whenReady([&, w] { stillOpen = w->isVisible(); press(w, "&Avbryt"); return true; });
            return true;
        });
        press(w, "&OK");
        return true;
    });
    action("FilNyTurnering")->trigger();
    settle();
    EXPECT_EQ(told, "Navnet kan ikke inneholde noen av tegnene  \" / \\ : * ? < > |\n"
                    "og kan ikke begynne med punktum eller ha to punktum etter hverandre.");
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(state::Databasenavn.empty());
    EXPECT_TRUE(files::FilesIn(program.path(), "*.kvx").empty());
}

TEST_F(QtFrameTest, NewDatabaseByTypingANameAndOpenedAgain) {
    Main();
    settle();
    std::string question;
    whenReady([&] {
        auto& dialog = forms::Default<NyDBase>();
        QWidget* w = window(dialog);
        if (!w || !w->isVisible()) return false;
        auto* name = w->findChild<QLineEdit*>();
        if (!name) return false;
        name->setFocus();
        type(name, QStringLiteral("Sommerstevne"));
        whenReady([&] { return acceptBox(&question); });
        for (auto* b : w->findChildren<QAbstractButton*>())
            if (b->text() == QLatin1String("&OK")) b->click();
        return true;
    });
    ASSERT_NE(action("FilNyTurnering"), nullptr);
    action("FilNyTurnering")->trigger();
    settle();
    EXPECT_EQ(question, "Er du sikker du vil lage en database ved navn : Sommerstevne");
    const std::string made = program.file("Sommerstevne.kvx");
    ASSERT_TRUE(files::Exists(made));
    EXPECT_EQ(state::Databasenavn, made);

    // Opened again as the user would: no data folder, so the dialog shows the program folder.
    state::DBase.Close();
    state::Databasenavn.clear();
    fs::remove_all(dataFolder);
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [&](QWidget*) {
        auto& f = forms::Default<FraFil>();
        shot(f, "frafil");
        auto* list = qobject_cast<QListWidget*>(widget(f.FileListBox));
        ASSERT_NE(list, nullptr);
        const auto items = list->findItems(QStringLiteral("Sommerstevne.kvx"), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        emit list->itemDoubleClicked(items[0]);
    });
    action("FilHentFil")->trigger();   // the chooser is modal: this returns when it has closed
    settle();
    EXPECT_FALSE(forms::IsLoaded<FraFil>());
    EXPECT_EQ(state::Databasenavn, made);
    ASSERT_TRUE(state::DBase.IsOpen());

    // The file holds the five tables of the layout, column for column.
    const std::vector<const turneringsdb::Tabell*> layout = {
        &turneringsdb::VersjonTabell(), &turneringsdb::DommereTabell(), &turneringsdb::DommertabellTabell(),
        &turneringsdb::RankingTabell(), &turneringsdb::RankingKlDataTabell()};
    const auto defs = state::DBase.TableDefs();
    ASSERT_EQ(defs.size(), layout.size());
    for (const auto* t : layout) {
        ASSERT_TRUE(state::DBase.HasTable(t->navn)) << t->navn;
        const dao::TableDef def = state::DBase.TableDef_(t->navn);
        ASSERT_EQ(def.Fields.size(), t->kolonner.size()) << t->navn;
        for (size_t i = 0; i < t->kolonner.size(); ++i) {
            EXPECT_EQ(def.Fields[i].Name, t->kolonner[i].navn) << t->navn;
            EXPECT_EQ(def.Fields[i].Type, t->kolonner[i].type) << t->kolonner[i].navn;
        }
        EXPECT_EQ(def.Indexes.size(), t->indeksnavn ? 1u : 0u) << t->navn;
    }
    const dao::TableDef dommere = state::DBase.TableDef_("Dommere");
    EXPECT_EQ(dommere.Fields.size(), 30u);
    EXPECT_EQ(dommere.Fields[28].Name, "KlB_Overdommer");
    EXPECT_EQ(dommere.Fields[29].Name, "KlC_Overdommer");
    EXPECT_EQ(state::DBase.TableDef_("Versjon").Fields.size(), 14u);
    auto versjon = state::DBase.OpenRecordset("Versjon");
    ASSERT_EQ(versjon.RecordCount(), 1);
    EXPECT_EQ(versjon.Get("DatabaseID").ToLong(), 9);
    EXPECT_EQ(versjon.Get("TurneringsNavn").ToText(), "Norges Valmorisk");
}

TEST_F(QtFrameTest, PicturesOfSplashInfoWindowAndChoosers) {
    auto& s = forms::Default<StartBilde>();
    s.Show();
    shot(s, "startbilde");
    s.Unload();

    Main();
    settle();
    auto& h = forms::Default<Hovedmeny2>();
    h.G_Fil.UserMouseDown(forms::vbRightButton);
    ASSERT_TRUE(forms::IsLoaded<POPUP>());
    auto* info = window(forms::Default<POPUP>());
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    shot(forms::Default<POPUP>(), "popup");
    h.G_Fil.UserMouseUp(forms::vbRightButton);
    settle();
    EXPECT_FALSE(forms::IsLoaded<POPUP>());

    for (const char* n : {"Høst.kvx", "Vår.KVX"}) std::ofstream(program.file(n)) << "x";
    state::Databasenavn = program.file("Høst.kvx");   // save-as asks for a name only with a database named
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [&](QWidget*) {
        shot(forms::Default<TilFil>(), "tilfil");
        auto* name = qobject_cast<QLineEdit*>(widget(forms::Default<TilFil>().TextBox));
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), QStringLiteral("*.KVX"));
        EXPECT_EQ(name->selectedText(), QStringLiteral("*.KVX"));
        forms::Default<TilFil>().SSCommand1(1).UserClick();
    });
    h.FilLagreFilSom.UserClick();

    forms::Default<FraFil_Dommerbase>().Show();
    shot(forms::Default<FraFil_Dommerbase>(), "frafil_dommerbase");
    auto* files = qobject_cast<QListWidget*>(widget(forms::Default<FraFil_Dommerbase>().FileListBox));
    ASSERT_NE(files, nullptr);
    ASSERT_EQ(files->count(), 2);
    EXPECT_EQ(files->item(0)->text(), QStringLiteral("Høst.kvx"));
    EXPECT_EQ(files->item(1)->text(), QStringLiteral("Vår.KVX"));
}

// Escape is "Avbryt" in the dialog, wherever the focus is, and makes nothing; the dialog offers
// no minimise or maximise.
TEST_F(QtFrameTest, EscapeCancelsTheNewDatabaseDialog) {
    Main();
    settle();
    Qt::WindowFlags flags;
    bool stayedOpen = false;
    whenReady([&] {
        QWidget* w = window(forms::Default<NyDBase>());
        if (!w || !w->isVisible()) return false;
        flags = w->windowFlags();
        QApplication::setActiveWindow(w);
        auto* name = w->findChild<QLineEdit*>();
        name->setFocus();
        type(name, QStringLiteral("Vinterstevne"));
        QTest::keyClick(name, Qt::Key_Tab);
        QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
        // Closed here when Escape did nothing, so the test ends.
        stayedOpen = forms::IsLoaded<NyDBase>();
        if (stayedOpen) forms::Default<NyDBase>().C_Avbryt.UserClick();
        return true;
    });
    action("FilNyTurnering")->trigger();
    settle();
    EXPECT_EQ(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
              Qt::WindowCloseButtonHint);
    EXPECT_FALSE(stayedOpen);
    EXPECT_FALSE(files::Exists(program.file("Vinterstevne.kvx")));
}

// With no database open before, a refused file leaves none open: no register window
// to type into, and the gate answers the data functions.
TEST_F(QtFrameTest, ARefusedOpenWithNoneBeforeLeavesNoneOpenAndNoRegister) {
    Main();
    settle();
    std::ofstream(dataFolder + "/tekst.kvx") << "ingen database";
    std::string feil, port;
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [&](QWidget* velger) {
        auto& f = forms::Default<FraFil>();
        ASSERT_EQ(velger, window(f));
        auto* navn = qobject_cast<QLineEdit*>(widget(f.TextBox));
        navn->setFocus();
        navn->selectAll();
        type(navn, QStringLiteral("tekst.kvx"));
        kdtest::OnceShown(kdtest::ModalAbove(velger), [&](QWidget*) { acceptBox(&feil); });
        qobject_cast<QAbstractButton*>(widget(f.SSCommand1(0)))->click();
    });
    action("FilHentFil")->trigger();   // returns when the chooser has closed
    settle();
    EXPECT_EQ(feil.rfind("Feil ved åpning av databasen", 0), 0u) << feil;
    EXPECT_FALSE(forms::IsLoaded<FraFil>());
    EXPECT_FALSE(forms::IsLoaded<Dommere_Init>());
    EXPECT_EQ(state::Databasenavn, "");
    whenReady([&] { return acceptBox(&port); });
    action("Dommere_Initielle")->trigger();
    EXPECT_EQ(port, shared::GateMelding);
    EXPECT_FALSE(forms::IsLoaded<Dommere_Init>());
}

} // namespace
} // namespace kdtest
