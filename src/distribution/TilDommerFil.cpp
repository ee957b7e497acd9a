#include "distribution/TilDommerFil.h"

#include "distribution/Dommerfil.h"
#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "shared/Filvelger.h"
#include "state/ProgramState.h"

namespace {
constexpr const char* Tittel = "Opprette ny katalog";
constexpr const char* Veiledning =
    "Velg ønsket katalog/plassering for lagring av Dommerfil som skal sendes til klubbene!";

// The name of exactly one new folder: no separator, no NUL, not the folder itself or its parent.
bool GyldigMappenavn(const std::string& navn) {
    return navn.find('/') == std::string::npos && navn.find('\0') == std::string::npos && navn != "." && navn != "..";
}
} // namespace

TilDommerFil::TilDommerFil() : forms::Form("TilDommerFil") {
    SetCaption("Skriv Til Dommerfil");
    Utform();
    // The old program's current folder was its program folder: the lists start
    // there, before the handlers are wired, so that no folder change is reported.
    if (files::IsFolder(forms::App.Path)) {
        DriveDropDown.SetDrive(forms::App.Path);
        DirsBox.SetPath(forms::App.Path);
    }
    DirsBox.Change = [this] { DirsBox_Change(); };
    DriveDropDown.Change = [this] { DriveDropDown_Change(); };
    SSCommand2.Click = [this] { SSCommand2_Click(); };
    for (int i : {0, 1}) SSCommand1(i).Click = [this, i] { SSCommand1_Click(i); };
}

void TilDommerFil::Utform() {
    BorderStyle = 3;
    MaxButton = MinButton = false;
    Move(0, 0, 9000, 4950);
    const forms::Font fet{"MS Sans Serif", 8.25, true};

    // Left: the instruction above the fixed file name.
    PathSpec.Move(120, 120, 2760, 1095);
    PathSpec.WordWrap = true;
    PathSpec.SetFont(fet);
    Frame1.SetCaption("Filnavn:");
    Frame1.Move(120, 1320, 2760, 855);
    SSPanel1.SetContainer(&Frame1);
    SSPanel1.Panel = true;
    SSPanel1.Move(120, 300, 2520, 420);
    SSPanel1.SetFont(fet);

    // Middle: the drive above the taller folder list.
    DriveDropDown.Move(3000, 120, 2880, 315);
    DirsBox.Move(3000, 540, 2880, 2880);
    DriveDropDown.AccessibleName = "Stasjon";
    DirsBox.AccessibleName = "Mapper";

    // Right: the new folder, and at the bottom "Avbryt" left of "OK".
    Frame3.SetCaption("Navn på ny katalog:");
    Frame3.Move(6000, 120, 2760, 855);
    Text1.SetContainer(&Frame3);
    Text1.Move(120, 330, 2520, 330);
    SSCommand2.SetCaption("   Lage ny katalog");
    SSCommand2.Move(6000, 1035, 2760, 495);
    SSCommand1(1).SetCaption("Avbryt");
    SSCommand1(1).Move(6000, 3720, 1320, 495);
    SSCommand1(1).Cancel = true;
    SSCommand1(0).SetCaption("OK");
    SSCommand1(0).Move(7440, 3720, 1320, 495);

    // Bottom, under the left and middle columns: the chosen folder.
    Frame2.SetCaption("Valgt katalog:");
    Frame2.Move(120, 3540, 5760, 855);
    SSPanel2.SetContainer(&Frame2);
    SSPanel2.Panel = true;
    SSPanel2.Move(120, 300, 5520, 420);

    SetTabOrder({&DirsBox, &DriveDropDown, &Text1, &SSCommand2, &SSCommand1(1), &SSCommand1(0)});
}

void TilDommerFil::Form_Load() {
    forms::Screen.SetMousePointer(forms::vbHourglass);
    SSPanel1.SetCaption(DommerfilNavn);
    PathSpec.SetCaption(Veiledning);
    forms::Screen.SetMousePointer(forms::vbDefault);
}

void TilDommerFil::DirsBox_Change() {
    SSPanel2.SetCaption(DirsBox.Path());
    state::Katalog = DirsBox.Path();
}

void TilDommerFil::DriveDropDown_Change() {
    try {
        DirsBox.SetPath(DriveDropDown.Drive());
    } catch (const vb::Err& e) {
        forms::MsgBox(e.Description, forms::vbOKOnly);
        try {
            DriveDropDown.SetDrive(DirsBox.Path());
        } catch (const vb::Err&) {
        }
    }
}

void TilDommerFil::SSCommand1_Click(int Index) {
    forms::Screen.SetMousePointer(forms::vbHourglass);
    if (Index == 0) {
        // The file goes where the list shows, not to a folder another dialog left in Katalog.
        state::Katalog = MedSkilletegn(DirsBox.Path());
        Lagre_Dommerfil();
    }
    Hide();
    forms::Screen.SetMousePointer(forms::vbDefault);
}

void TilDommerFil::Lagre_Dommerfil() {
    dommerfil::Skriv(dommerfil::Inngang::Velger, state::Katalog + DommerfilNavn);
}

void TilDommerFil::SSCommand2_Click() {
    const std::string navn = Text1.Text();
    if (navn.empty()) {
        forms::MsgBox("Du må angi et navn på ønsket katalog først!", forms::vbOKOnly + forms::vbCritical, Tittel);
        return;
    }
    const std::string ny = MedSkilletegn(DirsBox.Path()) + navn;
    try {
        if (!GyldigMappenavn(navn)) vb::Raise(vb::errnum::BadFileName);
        files::MkDir(ny);
    } catch (const vb::Err& e) {
        if (e.Number == vb::errnum::PathFileAccess)
            forms::MsgBox("Katalog med dette navn finnes allerede, velg et annet navn!",
                          forms::vbOKOnly + forms::vbInformation, Tittel);
        else
            forms::MsgBox("Det oppstod en feil ved opprettelse av ny katalog!", forms::vbOKOnly + forms::vbCritical, Tittel);
        return;
    }
    forms::MsgBox(std::string("Ny katalog: ") + vb::vbCr + ny + vb::vbCr + "ble opprettet",
                  forms::vbOKOnly + forms::vbInformation, Tittel);
    Text1.SetText("");
    DirsBox.Refresh();
}
