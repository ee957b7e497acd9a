// Saving a match typed in by hand: the checks in order, the next sequence
// number, the refills, and a failure that keeps what was typed.
#include "Fixture.h"

#include "matches/Dommer.h"
#include "state/ProgramState.h"

namespace kamptest {
namespace {

class Registrering : public KampTest {
protected:
    Dommer& fyllUt(const std::string& nr = "3") {
        auto& f = forms::Default<Dommer>();
        f.Show();
        skriv(f.Text4, nr);
        skriv(f.Text1, "Ola");
        skriv(f.Text2, "Nordmann");
        skriv(f.Text5, "Vårcup");
        skriv(f.Text6, "3. mai 2026");
        skriv(f.Text8(0), "Ørn");
        skriv(f.Text8(1), "Lyn");
        skriv(f.Text8(2), "4");
        skriv(f.Text8(3), "2");
        f.SSCheck1.SetValue(1);
        return f;
    }
    long rader() { return tall("Select Count(*) From Dommertabell"); }
};

TEST_F(Registrering, EachFailedCheckShowsItsMessageAndKeepsTheBoxes) {
    dommer(3, "Ola", "Nordmann");
    const std::string lang(51, 'x');
    const struct {
        const char* hva;
        std::function<void(Dommer&)> endre;
        const char* melding;
        const char* tittel;
    } tilfeller[] = {
        {"no name", [](Dommer& f) { f.Text1.SetText(""); f.SSCheck1.SetValue(0); }, "Skriv inn navn på dommer",
         "Innlegging Dommere"},
        {"no game", [](Dommer& f) { f.SSCheck1.SetValue(0); }, "Velg minimum en type spill !", "Innlegging Dommere"},
        {"no date", [](Dommer& f) { f.Text6.SetText(""); }, "Både Turneringsdato og Turneringsnavn må angis !",
         "Innlegging Dommere"},
        {"long name", [&](Dommer& f) { f.Text5.SetText(lang); }, "Turneringsnavn kan ha høyst 50 tegn!",
         "Innlegging Dommere"},
        {"fraction", [](Dommer& f) { f.Text8(2).SetText("1.5"); },
         "Poeng må være et helt tall fra -32768 til 32767, eller stå tomt!", "Innlegging Dommere"},
        {"too large", [](Dommer& f) { f.Text8(3).SetText("00040000"); },
         "Poeng må være et helt tall fra -32768 til 32767, eller stå tomt!", "Innlegging Dommere"},
        {"letters", [](Dommer& f) { f.Text8(3).SetText("to"); },
         "Poeng må være et helt tall fra -32768 til 32767, eller stå tomt!", "Innlegging Dommere"},
        {"no number", [](Dommer& f) { f.Text4.SetText(""); },
         "Dommernummer finnes ikke, velg annen dommer eller legg inn ny dommer først !", "Innlegging Dommerdata"},
        {"fractional number", [](Dommer& f) { f.Text4.SetText("3.5"); },
         "Dommernummer finnes ikke, velg annen dommer eller legg inn ny dommer først !", "Innlegging Dommerdata"},
        {"unknown number", [](Dommer& f) { f.Text4.SetText("8"); },
         "Dommernummer finnes ikke, velg annen dommer eller legg inn ny dommer først !", "Innlegging Dommerdata"},
    };
    for (const auto& t : tilfeller) {
        Dommer& f = fyllUt();
        t.endre(f);
        bokser();
        f.SSCommand2.UserClick();
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u) << t.hva;
        EXPECT_EQ(b[0].prompt, t.melding) << t.hva;
        EXPECT_EQ(b[0].title, t.tittel) << t.hva;
        EXPECT_EQ(b[0].icon(), forms::vbInformation) << t.hva;
        EXPECT_EQ(f.Text8(0).Text(), "Ørn") << t.hva;
        EXPECT_EQ(rader(), 0) << t.hva;
        f.Unload();
    }
}

TEST_F(Registrering, SavedRowTakesTheNextNumberAndTheFormRefreshes) {
    dommer(3, "Ola", "Nordmann");
    dommer(9, "Kari", "Ås");
    kamp({.nr = 9, .sekvens = 57});
    kamp({.nr = 3, .sekvens = 12});
    Dommer& f = fyllUt("3kr");
    f.Text8(2).SetText("");
    f.SSCheck2.SetValue(1);
    f.SSCommand2.UserClick();
    EXPECT_TRUE(bokser().empty());

    dao::Recordset ny = state::DBase.OpenRecordset("Select * From Dommertabell Where SekvensNR = 58");
    ASSERT_FALSE(ny.EOF_());
    EXPECT_EQ(vb::CLng(ny.Get("DommerNR")), 3);
    EXPECT_EQ(vb::CLng(ny.Get("Status")), 0);
    EXPECT_EQ(vb::CStr(ny.Get("Typespill")), "Curling");
    EXPECT_TRUE(ny.Get("Dommer_HPoeng").IsNull());
    EXPECT_EQ(vb::CLng(ny.Get("Dommer_BPoeng")), 2);
    EXPECT_EQ(vb::CStr(ny.Get("TurneringsNavn")), "Vårcup");
    EXPECT_TRUE(ny.Get("DatoEndret").IsNull());
    EXPECT_EQ(state::Sekvensnummer, 57);

    // The new row is listed with its game as stored, and counts at once.
    EXPECT_EQ(KampTest::rader(f.MSFlexGrid1),
              (std::vector<std::string>{"1|1. mai 2026|Cup|Boccia|A|B|1|2|12", "2|3. mai 2026|Vårcup|Curling|Ørn|Lyn||2|58"}));
    EXPECT_EQ(KampTest::rader(f.MSFlexGrid2), (std::vector<std::string>{"3|Nordmann, Ola|2", "9|Ås, Kari|1"}));
    for (auto* t : {&f.Text1, &f.Text4, &f.Text5, &f.Text6, &f.Text7, &f.Text8(0), &f.Text8(3)}) EXPECT_EQ(t->Text(), "");
    EXPECT_EQ(f.SSCheck2.Value(), 0);
}

TEST_F(Registrering, PointsAreTakenByValueWhateverTheirLeadingZeros) {
    dommer(3, "Ola", "Nordmann");
    const struct {
        const char* tekst;
        long verdi;
    } tilfeller[] = {{"000012", 12}, {"-0032768", -32768}, {"+0032767", 32767}, {" 0 ", 0}, {"0000000000", 0}};
    for (const auto& t : tilfeller) {
        Dommer& f = fyllUt();
        f.Text8(2).SetText(t.tekst);
        f.SSCommand2.UserClick();
        EXPECT_TRUE(bokser().empty()) << t.tekst;
        EXPECT_EQ(tall("Select Dommer_HPoeng From Dommertabell Where SekvensNR = (Select Max(SekvensNR) From Dommertabell)"),
                  t.verdi) << t.tekst;
        f.Unload();
    }
}

TEST_F(Registrering, NumbersStartAtOneWhenNoPositiveOneIsStored) {
    dommer(3, "Ola", "Nordmann");
    const struct {
        const char* hva;
        std::vector<long> lagret;
    } tilfeller[] = {{"empty table", {}}, {"only negative numbers", {-5, -3}}, {"zero", {0}}};
    for (const auto& t : tilfeller) {
        state::DBase.Execute("Delete From Dommertabell");
        for (long s : t.lagret) kamp({.nr = 3, .sekvens = s});
        fyllUt().SSCommand2.UserClick();
        EXPECT_EQ(tall("Select Count(*) From Dommertabell Where SekvensNR = 1"), 1) << t.hva;
    }
}

// The counts and numbers kept between refills follow a write made past the window too.
TEST_F(Registrering, KeptCountsFollowEveryWrite) {
    dommer(3, "Ola", "Nordmann");
    kamp({.nr = 3, .sekvens = 4});
    Dommer& f = fyllUt();
    f.SSCommand2.UserClick();
    EXPECT_EQ(KampTest::rader(f.MSFlexGrid2), (std::vector<std::string>{"3|Nordmann, Ola|2"}));
    kamp({.nr = 3, .sekvens = 90});
    state::DBase.Execute("Update Dommertabell Set Status = 3 Where SekvensNR = 4");
    fyllUt().SSCommand2.UserClick();
    EXPECT_EQ(KampTest::rader(f.MSFlexGrid2), (std::vector<std::string>{"3|Nordmann, Ola|3"}));
    EXPECT_EQ(tall("Select Count(*) From Dommertabell Where SekvensNR = 91"), 1);
}

TEST_F(Registrering, FailedAppendIsShownAndTheBoxesKept) {
    dommer(3, "Ola", "Nordmann");
    state::DBase.Execute("Create Trigger nei Before Insert On Dommertabell Begin Select Raise(Abort, 'disken er full'); End");
    Dommer& f = fyllUt();
    f.SSCommand2.UserClick();
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].prompt.rfind("Årsak :  ", 0), 0u) << b[0].prompt;
    EXPECT_EQ(f.Text5.Text(), "Vårcup");
    EXPECT_EQ(f.Text8(2).Text(), "4");
    EXPECT_EQ(rader(), 0);
}

} // namespace
} // namespace kamptest
