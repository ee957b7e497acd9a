// Reading the referees of another tournament database into the empty register.
#include "Fixture.h"

#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "register/LesInn.h"
#include "state/ProgramState.h"
#include "shared/Gate.h"
#include "support/AnnenProsess.h"
#include "support/Sqlite.h"
#include "support/Turneringsbase.h"

namespace regtest {
namespace {

class LesInn : public RegisterTest {
protected:
    // A second tournament database, filled by fyll; the open database stays in DBase.
    std::string kilde(const std::function<void(dao::Database&)>& fyll) {
        dao::Database mal = state::DBase;
        const std::string sti = dir.file("Kilde.KVX");
        kdtest::LagTurneringsbase(sti);
        fyll(state::DBase);
        state::DBase.Close();
        state::DBase = mal;
        return sti;
    }
    static void dommer(dao::Database& db, const vb::Variant& nr, const std::string& fnavn) {
        db.Execute("Insert Into Dommere (DommerNR, Dommer_FNavn) Values (?, ?)", {nr, fnavn});
    }
    void lesInn(const std::string& sti) {
        state::Filsti = sti;
        Les_Inn_Dommerbase();
    }
    std::string stempel() { return vb::Concat(state::DBase.OpenRecordset("Select LagetDato From Versjon").Get(0), ""); }
};

TEST_F(LesInn, CopiesEveryColumnTheSourceHasAndLeavesNullsAlone) {
    const std::string sti = kilde([](dao::Database& db) {
        db.Execute(
            "Insert Into Dommere (DommerNR, Dommer_FNavn, Dommer_ENavn, Dommer_Lag, Dommer_Boccia, Dommer_Curling, "
            "Dommer_Fotball, Dommer_Petangue, Dommer_Telefon, Dommer_Mobil, Dommer_email, Dommer_DatoDKurs, "
            "Dommer_Adresse, Dommer_Poststed, Dommer_Postnr, Dommer_FDato, Dommer_DatoOppdBocKurs, "
            "Dommer_DatoOppdCurKurs, KlB_Dommer3, KlC_Aspirant1, KlB_Overdommer, KlC_Overdommer) "
            "Values (7, 'Åse', 'Øien', 'Lyn', ?, ?, ?, ?, '22', '93', 'a@b.no', '2019', 'Gate 2', 'Bø', '3800', 'x', "
            "'2021', '2022', ?, ?, ?, ?)",
            {true, true, true, true, true, true, true, true});
        db.Execute("Insert Into Dommere (DommerNR) Values (8)");
    });
    lesInn(sti);
    auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Innlesing av dommerdata fullført OK!");
    EXPECT_EQ(b[0].style, forms::vbExclamation);
    EXPECT_EQ(b[0].title, forms::ProgramTitle);

    dao::Recordset r = rad(7);
    for (const auto& [k, verdi] : std::vector<std::pair<const char*, const char*>>{
             {"Dommer_Telefon", "22"}, {"Dommer_Mobil", "93"}, {"Dommer_email", "a@b.no"},
             {"Dommer_DatoDKurs", "2019"}, {"Dommer_Adresse", "Gate 2"}, {"Dommer_Poststed", "Bø"},
             {"Dommer_Postnr", "3800"}, {"Dommer_ENavn", "Øien"}, {"Dommer_Lag", "Lyn"}, {"Dommer_FDato", "x"},
             {"Dommer_DatoOppdBocKurs", "2021"}, {"Dommer_DatoOppdCurKurs", "2022"}})
        EXPECT_EQ(vb::Concat(r.Get(k), ""), verdi) << k;
    // The head referees stay head referees in the new file.
    for (const char* k : {"Dommer_Boccia", "Dommer_Curling", "Dommer_Fotball", "Dommer_Petangue", "KlB_Dommer3",
                          "KlC_Aspirant1", "KlB_Overdommer", "KlC_Overdommer"})
        EXPECT_TRUE(vb::CBool(r.Get(k))) << k;
    dao::Recordset tom = rad(8);
    EXPECT_TRUE(tom.Get("Dommer_FNavn").IsNull());
    EXPECT_TRUE(tom.Get("Dommer_DatoOppdBocKurs").IsNull());
    EXPECT_FALSE(vb::CBool(tom.Get("KlB_Overdommer")));

    dao::Recordset v = state::DBase.OpenRecordset("Select * From Versjon");
    EXPECT_EQ(vb::CStr(v.Get("LagetDato")), "8. desember 2026");
    EXPECT_EQ(vb::CStr(v.Get("ADDR1")), "0815");
    EXPECT_EQ(vb::CStr(v.Get("ADDR2")), "tirsdag");
    EXPECT_EQ(forms::Headless().pointers, (std::vector<int>{forms::vbHourglass, forms::vbDefault}));
    EXPECT_FALSE(dao::DBEngine::Workspaces(0).InTransaction());
}

TEST_F(LesInn, DuplicatesComeInAndUnusableNumbersAreSkippedAndCounted) {
    const std::string sti = kilde([](dao::Database& db) {
        dommer(db, vb::Variant::Integer(3), "En");
        dommer(db, vb::Variant::Integer(3), "To");
        dommer(db, vb::Null, "Uten");
        dommer(db, vb::Variant::Integer(0), "Null");
        dommer(db, vb::Variant::Integer(1000), "Tusen");
        dommer(db, vb::Variant::Integer(-4), "Minus");
        dommer(db, vb::Variant::Integer(999), "Siste");
    });
    lesInn(sti);
    auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Innlesing av dommerdata fullført OK!\rHoppet over 4 dommer(e) uten gyldig dommernummer (1 til 999).");
    EXPECT_EQ(antall("Select Count(*) From Dommere"), 3);
    EXPECT_EQ(antall("Select Count(*) From Dommere Where DommerNR = 3"), 2);
}

TEST_F(LesInn, RefusesWhenTheRegisterFilledUpSinceTheMenuLooked) {
    const std::string sti = kilde([](dao::Database& db) { dommer(db, vb::Variant::Integer(1), "Kilde"); });
    const std::string for_ = stempel();
    state::Utvalg = state::DBase.OpenRecordset("Select * from dommere");   // found empty by the menu
    leggInn({.nr = 50, .fnavn = "Ny", .boccia = true});                   // then another window saved one
    lesInn(sti);
    auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Databasen inneholder allerede dommere!\rDa er denne funksjon ikke tillatt!\r"
                           "Du må i såfall opprette en ny database først!");
    EXPECT_EQ(antall("Select Count(*) From Dommere"), 1);
    EXPECT_EQ(stempel(), for_);
}

TEST_F(LesInn, DoesNotDependOnWhatUtvalgHoldsNow) {
    const std::string sti = kilde([](dao::Database& db) { dommer(db, vb::Variant::Integer(1), "Kilde"); });
    state::Utvalg = state::DBase.OpenRecordset("Select * from Versjon");   // moved by another window
    lesInn(sti);
    EXPECT_EQ(antall("Select Count(*) From Dommere Where DommerNR = 1"), 1);
    EXPECT_EQ(antall("Select Count(*) From Versjon"), 1);
}

TEST_F(LesInn, OlderSourceGivesTheColumnsItHas) {
    const std::string sti = kilde([](dao::Database& db) {
        db.Execute("Update Dommere Set KlB_Aspirant1 = 0");
        db.Execute("Insert Into Dommere (DommerNR, Dommer_FNavn, KlB_Dommer1) Values (1, 'En', ?)", {true});
        db.Execute("Alter Table Dommere Drop Column KlB_Overdommer");
        db.Execute("Alter Table Dommere Drop Column Dommer_DatoOppdBocKurs");
    });
    lesInn(sti);
    ASSERT_EQ(bokser().size(), 1u);
    dao::Recordset r = rad(1);
    EXPECT_EQ(vb::CStr(r.Get("Dommer_FNavn")), "En");
    EXPECT_TRUE(vb::CBool(r.Get("KlB_Dommer1")));
    EXPECT_FALSE(vb::CBool(r.Get("KlB_Overdommer")));
    EXPECT_TRUE(r.Get("Dommer_DatoOppdBocKurs").IsNull());
    EXPECT_FALSE(dao::DBEngine::Workspaces(0).InTransaction());
}

TEST_F(LesInn, DiskFullTellsItsReasonAndLeavesTheRegisterEmpty) {
    const std::string sti = kilde([](dao::Database& db) {
        for (int nr = 1; nr <= 200; ++nr)
            db.Execute("Insert Into Dommere (DommerNR, Dommer_FNavn, Dommer_Adresse) Values (?, ?, ?)",
                       {vb::Variant::Integer(int16_t(nr)), std::string(40, 'x'), std::string(40, 'y')});
    });
    const std::string for_ = stempel();
    // The file may not grow by more than a few pages: the engine fails mid-way and undoes the work itself.
    const long sider = antall("Select page_count From pragma_page_count()");
    state::DBase.Execute("PRAGMA max_page_count = " + std::to_string(sider + 2));
    lesInn(sti);
    auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Feil ved innlesing av dommerdataene! Ikke nok plass på disken.");
    EXPECT_EQ(antall("Select Count(*) From Dommere"), 0);
    EXPECT_EQ(stempel(), for_);
    EXPECT_FALSE(dao::DBEngine::Workspaces(0).InTransaction());
}

TEST_F(LesInn, FileThatIsNoDatabaseIsReportedAndChangesNothing) {
    const std::string for_ = stempel();
    lesInn(dir.write("Tekst.KVX", "dette er ingen database"));
    auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt.rfind("Feil ved innlesing av dommerdataene! ", 0), 0u);
    EXPECT_EQ(antall("Select Count(*) From Dommere"), 0);
    EXPECT_EQ(stempel(), for_);
}

TEST_F(LesInn, EmptySourceStillStampsAndSaysOk) {
    const std::string sti = kilde([](dao::Database&) {});
    lesInn(sti);
    auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt, "Innlesing av dommerdata fullført OK!");
    EXPECT_EQ(stempel(), "8. desember 2026");
}

// The source is only read: read in or refused, in any state it may be in, and while
// another program is reading it, its bytes stay as they were.
TEST_F(LesInn, TheSourceIsOnlyReadAndKeepsItsBytes) {
    struct Kilde {
        const char* navn;
        std::function<void(const std::string&)> endre;
        bool registerHarDommere;
    };
    const auto gammeltHode = [](const std::string& sti) { kdtest::OverwriteBytes(sti, 28, 32, '\0'); };
    for (const Kilde& k : {Kilde{"plain", [](const std::string&) {}, false}, Kilde{"staleHeader", gammeltHode, false},
                           Kilde{"wal", kdtest::SwitchToWal, false}, Kilde{"refusedStaleHeader", gammeltHode, true},
                           Kilde{"refusedWal", kdtest::SwitchToWal, true}}) {
        SCOPED_TRACE(k.navn);
        std::filesystem::remove(dir.file("Kilde.KVX"));
        const std::string sti = kilde([](dao::Database& db) { dommer(db, vb::Variant::Integer(7), "Åse"); });
        k.endre(sti);
        state::DBase.Execute("Delete From Dommere");
        if (k.registerHarDommere) dommer(state::DBase, vb::Variant::Integer(1), "Per");
        const std::string for_ = kdtest::ReadFile(sti);
        bokser().clear();
        {
            const kdtest::AnnenProsess leser(sti, "BEGIN; SELECT count(*) FROM Dommere");
            lesInn(sti);
        }
        auto b = bokser();
        ASSERT_EQ(b.size(), 1u);
        if (k.registerHarDommere) {
            EXPECT_EQ(b[0].prompt, shared::HarDommereMelding);
            EXPECT_EQ(antall("Select Count(*) From Dommere Where DommerNR = 7"), 0);
        } else {
            EXPECT_EQ(b[0].prompt, "Innlesing av dommerdata fullført OK!");
            EXPECT_EQ(antall("Select Count(*) From Dommere Where DommerNR = 7"), 1);
        }
        state::UtvalgFil.Close();
        state::DBaseFil.Close();
        EXPECT_TRUE(kdtest::ReadFile(sti) == for_) << "the source changed";
    }
}

} // namespace
} // namespace regtest
