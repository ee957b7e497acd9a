// The new-database dialog and the creation behind it.
#include "DbTest.h"

#include <functional>
#include <utility>
#include <vector>

#include "database/Database.h"
#include "database/NyDBase.h"
#include "platform/files/Files.h"
#include "platform/forms/Form.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

namespace dbtest {
namespace {

class CreateTest : public DbTest {
protected:
    // Shows the dialog modally, as the menu does, with the user's actions.
    void Dialog(const std::function<void(NyDBase&)>& bruker) {
        forms::Headless().modalDriver = [bruker](forms::Form& f) { bruker(static_cast<NyDBase&>(f)); };
        forms::Default<NyDBase>().Show(forms::vbModal);
        forms::Headless().modalDriver = nullptr;
    }
};

TEST_F(CreateTest, ConfirmedNameNamesAFileInTheProgramFolder) {
    state::Avbrutt = -1;
    Dialog([](NyDBase& d) {
        EXPECT_EQ(state::Avbrutt, 0);   // cleared on load
        d.MaskedEdit1.UserType("Cup 2026");
        d.UserKeyDown(13);   // Enter is OK
    });
    EXPECT_FALSE(forms::IsLoaded<NyDBase>());
    EXPECT_EQ(state::Avbrutt, 0);
    EXPECT_EQ(state::Databasenavn, iProgram("Cup 2026.kvx"));
    EXPECT_EQ(state::DatabaseFilnavn, "Cup 2026.kvx");
    ASSERT_EQ(bokser().size(), 1u);
    EXPECT_EQ(bokser()[0].prompt, "Er du sikker du vil lage en database ved navn : Cup 2026");
    EXPECT_EQ(bokser()[0].style, forms::vbInformation + forms::vbOKCancel);
    EXPECT_EQ(bokser()[0].title, "Opprettelse av ny Database");
    EXPECT_FALSE(files::Exists(state::Databasenavn));   // the dialog only names it
}

// An empty name only beeps; a refused character is also told, since a beep goes unheard.
TEST_F(CreateTest, EmptyBlankOrPathLikeNamesBeepAndKeepTheDialogOpen) {
    const std::string forklaring = "Navnet kan ikke inneholde noen av tegnene  \" / \\ : * ? < > |\r"
                                   "og kan ikke begynne med punktum eller ha to punktum etter hverandre.";
    for (const char* navn : {"", "   ", "a/b", "a\\b", "..", "x..y", "c:d", "*", "cup?", "\"q\"", "<", ">", "a|b", ".skjult"}) {
        const int pip = forms::Headless().beeps;
        Dialog([navn](NyDBase& d) {
            d.MaskedEdit1.UserType(navn);
            d.C_Ferdig.UserClick();
            EXPECT_TRUE(d.IsLoaded()) << navn;
            EXPECT_EQ(d.ActiveControl(), &d.MaskedEdit1) << navn;
            d.C_Avbryt.UserClick();
        });
        EXPECT_EQ(forms::Headless().beeps, pip + 1) << navn;
        const auto b = bokser();
        bokser().clear();
        if (vb::Trim(navn).empty()) {
            EXPECT_TRUE(b.empty()) << navn;
            continue;
        }
        ASSERT_EQ(b.size(), 1u) << navn;
        EXPECT_EQ(b[0].prompt, forklaring);
        EXPECT_EQ(b[0].style, forms::vbExclamation + forms::vbOKOnly);
        EXPECT_EQ(b[0].title, "Ny database");
    }
    EXPECT_EQ(state::Databasenavn, "");
    EXPECT_TRUE(files::FilesIn(program(), "*").empty());
}

TEST_F(CreateTest, ExistingFileInAnyLetterCaseIsRefusedAndTheNameStays) {
    for (const auto& [finnes, skrevet] : std::vector<std::pair<std::string, std::string>>{
             {"Cup.kvx", "Cup"}, {"CUP.KVX", "cup"}, {"Ørsta.Kvx", "ØRSTA"}}) {
        tmp.write(finnes, "x");
        bokser().clear();
        Dialog([&skrevet](NyDBase& d) {
            d.MaskedEdit1.UserType(skrevet);
            d.C_Ferdig.UserClick();
            EXPECT_TRUE(d.IsLoaded()) << skrevet;
            EXPECT_EQ(d.MaskedEdit1.Text(), skrevet);
            d.C_Avbryt.UserClick();
        });
        ASSERT_EQ(bokser().size(), 1u) << skrevet;
        EXPECT_EQ(bokser()[0].prompt, "Database med samme navn finnes fra før, velg annet filnavn");
        EXPECT_EQ(bokser()[0].style, forms::vbInformation + forms::vbOKOnly);
        EXPECT_EQ(bokser()[0].title, "Ny database");
        EXPECT_EQ(state::Databasenavn, "");
        files::Kill(tmp.file(finnes));
    }
}

TEST_F(CreateTest, DecliningCancelAndTheCloseBoxAllCancel) {
    state::Databasenavn = "/før/A.KVX";
    forms::Headless().setNextAnswer(forms::vbCancel);
    Dialog([](NyDBase& d) {
        d.MaskedEdit1.UserType("Cup");
        d.C_Ferdig.UserClick();
    });
    EXPECT_EQ(state::Avbrutt, -1);
    EXPECT_EQ(state::Databasenavn, "/før/A.KVX");

    Dialog([](NyDBase& d) { d.C_Avbryt.UserClick(); });
    EXPECT_EQ(state::Avbrutt, -1);

    Dialog([](NyDBase& d) { d.Unload(forms::vbFormControlMenu); });
    EXPECT_FALSE(forms::IsLoaded<NyDBase>());
    EXPECT_EQ(state::Avbrutt, -1);
    EXPECT_EQ(state::Databasenavn, "/før/A.KVX");
}

TEST_F(CreateTest, CreationOpensTheNewFileOnBothHandlesWithTheDefaults) {
    const std::string a = NyFil("A");
    state::Utvalg = state::DBase2.OpenRecordset("Dommere");
    state::Turnering_Sted = "Bergen";
    const std::string b = NyFil("B");
    EXPECT_TRUE(bokser().empty());
    EXPECT_EQ(state::DBase.Name(), b);
    ASSERT_FALSE(state::DBase2.IsNothing());
    EXPECT_EQ(state::DBase2.Name(), b);
    EXPECT_TRUE(state::Utvalg.IsNothing());   // no cursor left on the file before
    EXPECT_EQ(state::Turnering_Navn, "Norges Valmorisk");
    EXPECT_EQ(state::Turnering_Dato, "08. desember 2026");
    EXPECT_EQ(state::Turnering_Sted, "");
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
    // The earlier file is no longer held: it can be opened afresh.
    Apne(a);
    EXPECT_EQ(state::DBase.Name(), a);
}

TEST_F(CreateTest, ExistingFileAtCreationGives3204AndKeepsEverything) {
    const std::string a = NyFil("A");
    const std::string fremmed = tmp.write("B.kvx", "annet innhold");
    state::Databasenavn = fremmed;
    state::DatabaseFilnavn = "B.kvx";
    Opprett_Ny_Database();
    ASSERT_EQ(bokser().size(), 1u);
    EXPECT_EQ(bokser()[0].prompt, "Feil ved opprettelse av ny database.\rDatabase med samme navn finnes fra før.\r"
                                  "Slett denne først og prøv igjen!");
    EXPECT_EQ(bokser()[0].style, forms::vbExclamation + forms::vbOKOnly);
    EXPECT_EQ(bokser()[0].title, "Konvertere gammelt filformat");
    EXPECT_EQ(kdtest::ReadFile(fremmed), "annet innhold");
    EXPECT_EQ(state::Databasenavn, a);
    EXPECT_EQ(state::DatabaseFilnavn, "A.kvx");
    EXPECT_EQ(state::DBase.Name(), a);
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
}

TEST_F(CreateTest, FailedTableStepRemovesTheHalfMadeFileAndRestores) {
    const std::string a = NyFil("A");
    state::Turnering_Sted = "Bergen";
    state::Opprettet_Av = std::string(51, 'x');   // too long for OpprettetAv
    state::Databasenavn = iProgram("B.kvx");
    state::DatabaseFilnavn = "B.kvx";
    Opprett_Ny_Database();
    ASSERT_EQ(bokser().size(), 1u);
    EXPECT_EQ(bokser()[0].prompt.rfind("Årsak :  ", 0), 0u) << bokser()[0].prompt;
    EXPECT_GT(bokser()[0].prompt.size(), std::string("Årsak :  ").size());
    EXPECT_EQ(bokser()[0].style, forms::vbInformation + forms::vbOKOnly);
    EXPECT_EQ(bokser()[0].title, "Feil ved opprettelse av ny database");
    EXPECT_FALSE(files::Exists(iProgram("B.kvx")));
    EXPECT_EQ(state::Databasenavn, a);
    EXPECT_EQ(state::DatabaseFilnavn, "A.kvx");
    EXPECT_EQ(state::DBase.Name(), a);
    EXPECT_EQ(state::DBase2.Name(), a);
    EXPECT_EQ(state::Turnering_Sted, "Bergen");
    EXPECT_EQ(state::DBase.OpenRecordset("Versjon").RecordCount(), 1);   // the open file still works
}

TEST_F(CreateTest, MissingFolderIsReportedWithTheEngineText) {
    state::Databasenavn = iProgram("finnes-ikke/B.kvx");
    Opprett_Ny_Database();
    ASSERT_EQ(bokser().size(), 1u);
    EXPECT_EQ(bokser()[0].prompt.rfind("Årsak :  ", 0), 0u);
    EXPECT_EQ(bokser()[0].title, "Feil ved opprettelse av ny database");
    EXPECT_TRUE(state::DBase.IsNothing());
    EXPECT_EQ(state::Databasenavn, "");
}

} // namespace
} // namespace dbtest
