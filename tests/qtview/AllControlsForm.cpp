#include "qtview/AllControlsForm.h"

#include <tuple>

namespace qtviewtest {

AllControlsForm::AllControlsForm(const std::string& folder) : forms::Form("AllControlsForm") {
    SetCaption("Dommerregister – Åsgård");
    Move(T(80), T(60), T(648), T(500));
    BorderStyle = 3;
    KeyPreview = true;
    mnuFilSkriver.SetEnabled(false);

    Label1.SetCaption("&Navn på dommer:");
    Label1.Move(T(8), T(11), T(110), T(17));
    Text1.Move(T(120), T(8), T(210), T(22));
    Text1.SetMaxLength(30);
    Label2.SetCaption("Fødselsdato:");
    Label2.Move(T(8), T(37), T(110), T(17));
    MaskedEdit1.Move(T(120), T(34), T(110), T(22));
    MaskedEdit1.SetText("08.12.2026");

    Frame1.SetCaption("Klasse");
    Frame1.Move(T(8), T(64), T(160), T(98));
    for (auto [option, caption, top] : {std::tuple{&Option1, "Boccia", 22}, std::tuple{&Option2, "Curling", 46}}) {
        option->SetContainer(&Frame1);
        option->SetCaption(caption);
        option->Move(T(12), T(top), T(140), T(20));
    }
    Check1.SetContainer(&Frame1);
    Check1.SetCaption("Overdommer");
    Check1.Move(T(12), T(70), T(140), T(20));
    Frame2.SetCaption("Kjønn");
    Frame2.Move(T(176), T(64), T(154), T(98));
    for (auto [option, caption, top] : {std::tuple{&Option3, "Mann", 22}, std::tuple{&Option4, "Kvinne", 46}}) {
        option->SetContainer(&Frame2);
        option->SetCaption(caption);
        option->Move(T(12), T(top), T(130), T(20));
    }
    Check2.SetContainer(&Frame2);
    Check2.SetCaption("Æresmedlem");
    Check2.Move(T(12), T(70), T(130), T(20));

    List1.Move(T(8), T(170), T(160), T(100));
    for (const char* name : {"Ås, Øystein", "Ærø, Åse", "Lie, Bjørn", "Østby, Ærlend"}) List1.AddItem(name);
    Combo1.Style = 2;
    Combo1.Move(T(176), T(170), T(154), T(24));
    Combo1.AddItem("Boccia");
    Combo1.AddItem("Curling");
    Combo1.SetListIndex(0);
    Picture1.Move(T(176), T(202), T(154), T(68));
    Picture1.BorderStyle = 1;
    Picture1.SetPicture("G_Ny.svg");
    Label3.SetContainer(&Picture1);
    Label3.SetCaption("Ny turnering");
    Label3.Move(T(58), T(24), T(90), T(18));

    MSFlexGrid1.Move(T(8), T(278), T(322), T(110));
    MSFlexGrid1.SetCols(3);
    MSFlexGrid1.SetRows(1);
    MSFlexGrid1.FixedCols = 0;
    MSFlexGrid1.SetColWidth(0, T(44));
    MSFlexGrid1.SetColWidth(1, T(160));
    MSFlexGrid1.SetColWidth(2, T(110));
    MSFlexGrid1.SetColAlignment(0, forms::flexAlignRightCenter);
    MSFlexGrid1.SetTextMatrix(0, 0, "Nr");
    MSFlexGrid1.SetTextMatrix(0, 1, "Navn");
    MSFlexGrid1.SetTextMatrix(0, 2, "Klubb");
    MSFlexGrid1.AddItem("1\tÅs, Øystein\tBærum BK");
    MSFlexGrid1.AddItem("2\tÆrø, Åse\tTromsø");
    MSFlexGrid1.AddItem("12\tLie, Bjørn\tÅlesund");

    logo2.Move(T(345), T(8), T(287), T(60));
    logo2.SetPicture("logo.svg");
    G_Res.Move(T(345), T(76), T(96), T(76));
    G_Res.SetCaption("Manuell innlegging");
    G_Res.SetPicture("G_Res.svg");
    G_Res.ToolTipText = "Innlegging Resultater";
    G_Fil.Move(T(447), T(76), T(76), T(76));
    G_Fil.SetPicture("G_Fil.svg");
    C_Lagre.SetCaption("&Lagre");
    C_Lagre.Default = true;
    C_Lagre.Move(T(532), T(76), T(100), T(28));
    C_Avbryt.SetCaption("&Avbryt");
    C_Avbryt.Cancel = true;
    C_Avbryt.Move(T(532), T(110), T(100), T(28));

    Drive1.Move(T(345), T(160), T(287), T(24));
    Dir1.SetPath(folder);
    Dir1.Move(T(345), T(190), T(140), T(108));
    File1.SetPath(folder);
    File1.SetPattern("*.kvx");
    File1.Move(T(492), T(190), T(140), T(108));

    Panel3D1.Panel = true;
    Panel3D1.SetCaption("Kvistrel Dommer");
    Panel3D1.Alignment = forms::vbCenter;
    Panel3D1.SetFont(forms::Font{"Arial Narrow", 12, true});
    Panel3D1.Move(T(345), T(306), T(287), T(36));
    Label4.SetCaption("Linje én\r\nLinje to: æøå ÆØÅ");
    Label4.SetForeColor(0x800000);
    Label4.Move(T(345), T(350), T(287), T(38));

    StatusBar1.Move(T(0), T(398), T(640), T(22));
    StatusBar1.SetPanelCount(2);
    StatusBar1.SetPanelText(1, "Klar");
    StatusBar1.SetPanelText(2, "Ingen database åpen");

    Text1.Change = [this] { changes.push_back(Text1.Text()); };
    C_Lagre.Click = [this] { events.push_back("C_Lagre_Click"); };
    C_Avbryt.Click = [this] { events.push_back("C_Avbryt_Click"); };
    Text1.GotFocus = [this] { events.push_back("Text1_GotFocus"); };
    Text1.LostFocus = [this] { events.push_back("Text1_LostFocus"); };
    Option1.Click = [this] { events.push_back("Option1_Click"); };
    Option2.Click = [this] { events.push_back("Option2_Click"); };
    Check1.Click = [this] { events.push_back("Check1_Click"); };
    List1.Click = [this] { events.push_back("List1_Click " + List1.Text()); };
    List1.DblClick = [this] { events.push_back("List1_DblClick"); };
    MSFlexGrid1.Click = [this] {
        events.push_back("Grid_Click " + std::to_string(MSFlexGrid1.Row()) + "," + std::to_string(MSFlexGrid1.Col()));
    };
    mnuFilAapne.Click = [this] { events.push_back("mnuFilAapne_Click"); };
    mnuFilSkriver.Click = [this] { events.push_back("mnuFilSkriver_Click"); };
    mnuDommere.Click = [this] { events.push_back("mnuDommere_Click"); };
    G_Fil.MouseDown = [this](int button, int, float, float) { mouseDowns.push_back(button); };
    G_Fil.MouseUp = [this](int button, int, float, float) { mouseUps.push_back(button); };
    logo2.MouseDown = [this](int button, int, float, float) { mouseDowns.push_back(10 + button); };
    logo2.Click = [this] { events.push_back("logo2_Click"); };
    Timer1.Timer_ = [this] { events.push_back("Timer1_Timer"); };
}

} // namespace qtviewtest
