// The three modes, the class rules of Boccia, the game ticks and the text boxes.
#include "Fixture.h"

namespace regtest {
namespace {

class Modus : public RegisterTest {};

struct Forventet {
    bool nummer, klasser, spill, rapporttyper, lagre, slett, nullstill, sok, rapporter;
};

void sjekk(Dommere_Init& f, const Forventet& e, const char* modus) {
    SCOPED_TRACE(modus);
    EXPECT_EQ(f.Text4.Enabled(), e.nummer);
    EXPECT_EQ(f.Frame1.Enabled(), e.klasser);
    EXPECT_EQ(f.Frame4.Visible(), e.spill);
    EXPECT_EQ(f.SSCheck1.Enabled(), e.spill);
    EXPECT_EQ(f.SSCheck2.Enabled(), e.spill);
    EXPECT_EQ(f.Frame5.Visible(), e.rapporttyper);
    EXPECT_EQ(f.SSCommand2.Enabled(), e.lagre);
    EXPECT_EQ(f.C_SlettDommer.Enabled(), e.slett);
    EXPECT_EQ(f.Label6.Enabled(), e.slett);
    EXPECT_EQ(f.SSCommand10.Enabled(), e.nullstill);
    EXPECT_EQ(f.SSCommand4.Visible(), e.sok);
    EXPECT_EQ(f.SSCommand5.Visible(), e.sok);
    for (auto* k : {&f.SSCommand3, &f.C_SkrivRapport, &f.C_ElektroniskRapport, &f.SSCommand6, &f.SSCommand8,
                    &f.SSCommand9})
        EXPECT_EQ(k->Enabled(), e.rapporter) << k->Name();
}

TEST_F(Modus, EachModeSetsItsControls) {
    Dommere_Init& f = vis();
    sjekk(f, {true, true, true, false, true, false, false, true, false}, "design");
    f.Option2.UserClick();
    EXPECT_EQ(f.Label17.Caption(), "Velg dommer og endre data for dommer her...:");
    sjekk(f, {true, true, true, false, true, true, true, false, false}, "Option2");
    f.Option3.UserClick();
    EXPECT_EQ(f.Label17.Caption(), "Skriv ut ønsket rapport...:");
    sjekk(f, {false, false, false, true, false, false, false, false, true}, "Option3");
    // The report types: one group of fifteen, none chosen until the user picks one.
    int typer = 0;
    for (forms::Control* c : f.Controls())
        if (auto* o = dynamic_cast<forms::OptionButton*>(c); o && o->Container() == &f.Frame5) {
            ++typer;
            EXPECT_FALSE(o->Value()) << o->Name();
        }
    EXPECT_EQ(typer, 15);
    f.SSOption14.UserClick();
    f.SSOption2.UserClick();
    EXPECT_FALSE(f.SSOption14.Value());
    f.Option1.UserClick();
    EXPECT_EQ(f.Label17.Caption(), "Legg inn data for dommer her:");
    sjekk(f, {true, true, true, false, true, false, false, true, false}, "Option1");
}

TEST_F(Modus, NewRefereeModeEmptiesTheFormOthersKeepIt) {
    leggInn({.nr = 5, .fnavn = "Per", .enavn = "Hansen", .lag = "Lyn", .boccia = true, .flagg = {"KlB_Dommer1"}});
    Dommere_Init& f = vis();
    f.Option2.UserClick();
    f.MSFlexGrid1.UserClickCell(1, 1);
    ASSERT_EQ(f.Text1.Text(), "Per");
    f.Option3.UserClick();
    EXPECT_EQ(f.Text1.Text(), "Per");
    EXPECT_EQ(f.SSCheck1.Value(), 1);
    f.Option1.UserClick();
    for (auto* t : {&f.Text4, &f.Text1, &f.Text2, &f.Text3}) EXPECT_EQ(t->Text(), "") << t->Name();
    EXPECT_EQ(f.SSCheck1.Value(), 0);
    EXPECT_TRUE(f.Option10.Value());
    EXPECT_TRUE(f.Option12.Value());
    EXPECT_FALSE(f.Option4.Value());
}

TEST_F(Modus, ReportModeLeavesTheAdditionalChoicesAsTheyWere) {
    Dommere_Init& f = vis();
    f.Option1.UserClick();
    f.SSCheck1.UserClick();
    f.Option4.UserClick();
    f.Option20.UserClick();
    f.Option3.UserClick();
    EXPECT_TRUE(f.Frame6.Enabled());
    EXPECT_TRUE(f.Option20.Value());
    EXPECT_TRUE(f.Option20.Enabled());
    EXPECT_FALSE(f.Option20.EffectiveEnabled());   // the whole classification is off
}

TEST_F(Modus, AdditionalChoiceFollowsTheBocciaClass) {
    Dommere_Init& f = vis();
    EXPECT_FALSE(f.Frame6.Enabled());   // until a mode is chosen
    f.Option1.UserClick();
    f.SSCheck1.UserClick();
    ASSERT_TRUE(f.Frame2.Enabled());
    EXPECT_FALSE(f.Option20.Enabled());
    f.Option4.UserClick();
    EXPECT_TRUE(f.Option20.Enabled());
    EXPECT_FALSE(f.Option21.Enabled());
    EXPECT_FALSE(f.Option19.Enabled());
    f.Option20.UserClick();
    EXPECT_TRUE(f.Option20.Value());

    // Overdommer leaves it alone.
    f.Option15.UserClick();
    EXPECT_TRUE(f.Option20.Value());
    EXPECT_TRUE(f.Option20.Enabled());

    // Forbundsdommer 2 disables it but keeps the selection.
    f.Option5.UserClick();
    EXPECT_TRUE(f.Option20.Value());
    EXPECT_FALSE(f.Option20.Enabled());

    // An aspirant class clears and disables.
    f.Option6.UserClick();
    EXPECT_TRUE(f.Option20.Enabled());
    f.Option8.UserClick();
    EXPECT_FALSE(f.Option20.Value());
    EXPECT_FALSE(f.Option20.Enabled());

    // "Nullstill tilleggsvalg" clears without disabling.
    f.Option4.UserClick();
    f.Option20.UserClick();
    f.Command2.UserClick();
    EXPECT_FALSE(f.Option20.Value());
    EXPECT_TRUE(f.Option20.Enabled());

    // Leaving "Ingen klassifisering" clears the choice too.
    f.Option20.UserClick();
    f.Option10.UserClick();
    EXPECT_FALSE(f.Option20.Enabled());
    f.Option4.UserClick();
    f.Option20.UserClick();
    f.Option10.SetFocus();
    f.Text1.SetFocus();
    EXPECT_FALSE(f.Option20.Value());
}

TEST_F(Modus, UntickingAGameSelectsNoClassAndDisablesItsFrame) {
    Dommere_Init& f = vis();
    f.SSCheck1.UserClick();
    f.Option7.UserClick();
    f.SSCheck1.UserClick();
    EXPECT_FALSE(f.Frame2.Enabled());
    EXPECT_TRUE(f.Option10.Value());
    f.SSCheck1.UserClick();
    EXPECT_TRUE(f.Frame2.Enabled());
    EXPECT_TRUE(f.Option10.Value());

    f.SSCheck2.UserClick();
    f.Option14.UserClick();
    f.SSCheck2.UserClick();
    EXPECT_FALSE(f.Frame3.Enabled());
    EXPECT_TRUE(f.Option12.Value());
}

TEST_F(Modus, CourseDateIsRewrittenWhenLeftAndFreeTextStays) {
    Dommere_Init& f = vis();
    skriv(f.Text14, "1.2.2024");
    f.Text1.SetFocus();
    EXPECT_EQ(f.Text14.Text(), "01.02.2024");
    skriv(f.Text14, "");
    f.Text1.SetFocus();
    EXPECT_EQ(f.Text14.Text(), "");
    skriv(f.Text14, "våren 2019");
    f.Text1.SetFocus();
    EXPECT_EQ(f.Text14.Text(), "våren 2019");
}

} // namespace
} // namespace regtest
