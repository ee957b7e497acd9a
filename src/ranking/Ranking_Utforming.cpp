// The ranking window's controls: positions in twips, captions, fonts, and the
// wiring of their events.
#include "ranking/Plassering.h"
#include "shared/Utforming.h"
#include "ranking/Rankinglister.h"
#include "ranking/Ranking.h"

namespace {

using shared::plasser;

constexpr int TekstKolonne = 50;   // the Text columns of Ranking

} // namespace

void Ranking::Utform() {
    SetCaption("Administrasjon av Rankinglister");
    MDIChild = true;
    Move(0, 0, 12360, 8220);

    Text9.Move(120, 120, 8000, 420);
    Text9.SetText("Administrasjon av Rankinglister");
    Text9.Locked = true;
    Text9.AccessibleName = "Overskrift";   // the window's title, shown in a box
    Text9.SetFont(ranking::tittelFont());
    Text9.SetForeColor(ranking::MorkBla);

    plasser(Frame1, 120, 660, 3960, 1860, "Opsjoner");
    int top = 300;
    for (auto [valg, tekst] : {std::pair{&Option1, "Registrere ny spiller i Rankingliste"},
                               std::pair{&Option2, "Endre på eksisterende spiller"},
                               std::pair{&Option4, "Slette spiller fra Rankingliste"},
                               std::pair{&Option3, "Rapporter"},
                               std::pair{&Option6, "Import av Rankingliste fra...."}}) {
        plasser(*valg, 150, top, 3700, 285, tekst);
        valg->SetContainer(&Frame1);
        top += 300;
    }

    top = 2700;
    for (auto [ledetekst, felt, tekst] : {std::tuple{&Label2, &Text1, "Fornavn"},
                                          std::tuple{&Label3, &Text2, "Etternavn"},
                                          std::tuple{&Label5, &Text3, "Klubb/Lag"},
                                          std::tuple{&Label4, &Text4, "Ranking Nr"},
                                          std::tuple{&Label10, &Text10, "Trukket Nr"}}) {
        plasser(*ledetekst, 120, top + 45, 1200, 255, tekst);
        felt->Move(1380, top, 2700, 315);
        felt->SetMaxLength(TekstKolonne);
        top += 400;
    }
    Text4.SetWidth(900);
    Text10.SetWidth(900);

    top = 4800;
    for (auto [knapp, tekst] : {std::pair{&SSCommand4, "Lagre Lag/Spiller i Rankingliste"},
                                std::pair{&SSCommand5, "Slette Lag/Spiller fra Rankingliste"},
                                std::pair{&SSCommand6, "Skriftelig Rapport av Rankingliste"},
                                std::pair{&SSCommand9, "Importer Rankingliste fra Turnering"},
                                std::pair{&SSCommand3, "Importer Rankingliste fra Dommerdatabase"},
                                std::pair{&SSCommand2, "Lag ny Rankingliste for klubbene"}}) {
        plasser(*knapp, 120, top, 3960, 375, tekst);
        top += 420;
    }
    plasser(SSCommand1, 10320, 7380, 1800, 420, "     Ferdig");

    plasser(Frame2, 4260, 660, 2280, 960, "Type Spill");
    plasser(Option7, 150, 300, 2000, 285, "Individuelt spill");
    plasser(Option8, 150, 600, 2000, 285, "Lagspill");
    Option7.SetContainer(&Frame2);
    Option8.SetContainer(&Frame2);

    plasser(Label6, 6720, 690, 2000, 255, "Boccia eller Curling:");
    Combo2.Move(6720, 960, 1800, 315);

    plasser(Frame3, 8700, 660, 1800, 1200, "Boccia");
    plasser(Option9, 150, 300, 1500, 285, "Senior");
    plasser(Option10, 150, 600, 1500, 285, "Junior");
    plasser(Frame4, 8700, 660, 1800, 1200, "Curling");
    plasser(Option12, 150, 300, 1500, 285, "Herrer");
    plasser(Option13, 150, 600, 1500, 285, "Damer");
    plasser(Option14, 150, 900, 1500, 285, "Junior");
    for (auto* o : {&Option9, &Option10}) o->SetContainer(&Frame3);
    for (auto* o : {&Option12, &Option13, &Option14}) o->SetContainer(&Frame4);

    plasser(Label7, 4260, 1740, 1500, 255, "Velg liste:");
    Combo3.Move(4260, 2010, 4300, 315);
    plasser(Label8, 8700, 1980, 1500, 255, "Klasse:");
    for (auto& c : Combo1) {
        c->Move(8700, 2250, 3420, 315);
        c->SetText("Ranking klasse");
    }

    plasser(Label1, 4260, 2580, 1400, 255, "Klasse/ListeNr:");
    Text5.Move(5700, 2550, 700, 315);
    plasser(Label9, 6600, 2580, 1100, 255, "Klasse Navn");
    Text6.Move(7740, 2550, 4380, 315);
    for (auto* t : {&Text5, &Text6}) t->Locked = true;

    MSFlexGrid1.Move(4260, 3000, 7860, 4260);
    MSFlexGrid1.AccessibleName = "Rankingliste";
    MSFlexGrid1.FixedCols = 0;
    MSFlexGrid1.SelectionMode = 1;

    // Down the player's boxes, then the choice of list (play type, game, group, list, class),
    // the grid, the modes and the buttons. The title and the list's number and class name
    // only show.
    SetTabOrder({&Text1, &Text2, &Text3, &Text4, &Text10, &Option7, &Option8, &Combo2, &Option9, &Option10, &Option12,
                 &Option13, &Option14, &Combo3, &Combo1(0), &Combo1(1), &Combo1(2), &Combo1(3), &Combo1(4),
                 &MSFlexGrid1, &Option1, &Option2, &Option4, &Option3, &Option6, &SSCommand4, &SSCommand5,
                 &SSCommand6, &SSCommand9, &SSCommand3, &SSCommand2, &SSCommand1});
}

void Ranking::Kople() {
    SSCommand1.Click = [this] { SSCommand1_Click(); };
    for (int i = 0; i < Combo1.Count(); ++i) Combo1(i).Click = [this, i] { Combo1_Click(i); };
    Combo2.Click = [this] { Combo2_Click(); };
    Combo3.Click = [this] { Combo3_Click(); };
    Option9.Click = [this] { Option9_Click(); };
    Option10.Click = [this] { Option10_Click(); };
    Option12.Click = [this] { Option12_Click(); };
    Option13.Click = [this] { Option13_Click(); };
    Option14.Click = [this] { Option14_Click(); };

    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    Option3.Click = [this] { Option3_Click(); };
    Option4.Click = [this] { Option4_Click(); };
    Option6.Click = [this] { Option6_Click(); };
    MSFlexGrid1.Click = [this] { MSFlexGrid1_Click(); };
    SSCommand4.Click = [this] { SSCommand4_Click(); };
    SSCommand5.Click = [this] { SSCommand5_Click(); };

    Option7.Click = [this] { Option7_Click(); };
    Option8.Click = [this] { Option8_Click(); };
    Option7.MouseDown = [this](int b, int s, float x, float y) { Option7_MouseDown(b, s, x, y); };
    Option8.MouseDown = [this](int b, int s, float x, float y) { Option8_MouseDown(b, s, x, y); };

    SSCommand6.Click = [this] { SSCommand6_Click(); };
    SSCommand2.Click = [this] { SSCommand2_Click(); };
    SSCommand9.Click = [this] { SSCommand9_Click(); };
    SSCommand3.Click = [this] { SSCommand3_Click(); };
}
