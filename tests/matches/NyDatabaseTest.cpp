// Another database opened while the match windows stand open: they show that
// file's data at once, and nothing of the previous file is left to act on.
#include "Fixture.h"

#include <unistd.h>

#include <filesystem>

#include "database/Apen.h"
#include "database/Database.h"
#include "import/Dommer2.h"
#include "matches/Dommer.h"
#include "matches/VisSletteData.h"
#include "state/ProgramState.h"

namespace kamptest {
namespace {

class NyDatabase : public KampTest {};

TEST_F(NyDatabase, OpenWindowsForgetThePreviousFile) {
    const std::string annen = dir.file("Annen.KVX");
    std::filesystem::copy_file(dbsti, annen);   // the same tables, no rows
    dommer(3, "Ola", "Nordmann");
    kamp({.nr = 3, .sekvens = 1});
    kamp({.nr = 3, .sekvens = 2, .status = 3, .slettet = "8. des 2026"});

    auto& dommerVindu = forms::Default<Dommer>();
    dommerVindu.Show();
    dommerVindu.MSFlexGrid2.UserClickCell(1, 0);
    ASSERT_EQ(dommerVindu.Text4.Text(), "3");
    ASSERT_EQ(rader(dommerVindu.MSFlexGrid1).size(), 1u);
    auto& oversikt = forms::Default<Dommer2>();
    oversikt.Show();
    auto& slettede = forms::Default<VisSletteData>();
    slettede.Show();
    ASSERT_EQ(rader(slettede.MSFlexGrid1).size(), 1u);

    ASSERT_TRUE(turneringsdb::ByttTil(annen));
    for (Kampvindu* vindu : std::initializer_list<Kampvindu*>{&dommerVindu, &oversikt}) {
        EXPECT_TRUE(rader(vindu->MSFlexGrid2).empty()) << vindu->Name();
        EXPECT_TRUE(rader(vindu->MSFlexGrid1).empty()) << vindu->Name();
        EXPECT_EQ(vindu->Text4.Text(), "") << vindu->Name();
        EXPECT_EQ(vindu->Text1.Text(), "") << vindu->Name();
    }
    EXPECT_TRUE(rader(slettede.MSFlexGrid1).empty());

    // The duplicate list gives way to the entry layout over the new file's empty match list.
    dommerVindu.SSCommand5.UserClick();
    ASSERT_TRUE(dommerVindu.Duplikatmodus);
    ASSERT_TRUE(turneringsdb::ByttTil(dbsti));
    EXPECT_FALSE(dommerVindu.Duplikatmodus);
    EXPECT_EQ(dommerVindu.Label1.Caption(), "Manuell innlegging av turneringsdata for dommere");
    EXPECT_EQ(dommerVindu.SSCommand5.Caption(), "Søk etter mulige Duplikater i DommerDatabasen");
    EXPECT_TRUE(dommerVindu.Text4.Visible());
    EXPECT_TRUE(dommerVindu.SSCommand2.Enabled() && dommerVindu.SSCommand3.Enabled());
    EXPECT_EQ(dommerVindu.MSFlexGrid1.TextMatrix(0, 0), "Nr.");
    ASSERT_TRUE(turneringsdb::ByttTil(annen));

    // A window closed before the change is not woken by it.
    slettede.Unload();
    ASSERT_TRUE(turneringsdb::ByttTil(dbsti));
    EXPECT_FALSE(forms::IsLoaded<VisSletteData>());
    EXPECT_EQ(rader(dommerVindu.MSFlexGrid2).size(), 1u);
}

// A save-as whose copy and way back both fail (the open file went) leaves none open: the
// windows that read the file close instead of telling an error over its old rows.
TEST_F(NyDatabase, WithNoneOpenAfterAFailedSaveAsTheWindowsClose) {
    dommer(3, "Ola", "Nordmann");
    forms::Default<Dommer>().Show();
    forms::Default<VisSletteData>().Show();
    bokser();
    ASSERT_EQ(::unlink(dbsti.c_str()), 0);
    state::Katalog = dir.path() + "/";
    state::Filnavn = "Kopi";
    Lagre_Database_Som();
    EXPECT_EQ(state::Databasenavn, "");
    EXPECT_FALSE(forms::IsLoaded<Dommer>());
    EXPECT_FALSE(forms::IsLoaded<VisSletteData>());
    EXPECT_EQ(bokser().size(), 2u);   // the copy's failure and the way back's, no more
}

} // namespace
} // namespace kamptest
