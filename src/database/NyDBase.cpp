#include "database/NyDBase.h"

#include "database/Apen.h"
#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

namespace {

constexpr int16_t True = -1;
constexpr int Enter = 13;

// The name becomes a file in the program folder: no folder parts, no characters
// the file choosers treat as patterns, not hidden.
bool GyldigNavn(const std::string& navn) {
    if (navn[0] == '.') return false;
    for (const char* ulovlig : {"/", "\\", "..", ":", "*", "?", "\"", "<", ">", "|"})
        if (navn.find(ulovlig) != std::string::npos) return false;
    return true;
}

// A beep alone goes unheard on most desktops.
constexpr const char* UgyldigNavn =
    "Navnet kan ikke inneholde noen av tegnene  \" / \\ : * ? < > |\r"
    "og kan ikke begynne med punktum eller ha to punktum etter hverandre.";

} // namespace

NyDBase::NyDBase() : Form("NyDBase") {
    SetCaption("Opprette ny database for KvistrelDommer");
    BorderStyle = 1;
    MaxButton = false;
    MinButton = false;
    KeyPreview = true;
    // Wide enough for the whole caption in a desktop's title bar beside its buttons.
    Move(0, 0, 6600, 2205);

    Label1.SetCaption("Angi navn på den nye databasen:");
    Label1.Move(240, 240, 6000, 255);
    MaskedEdit1.Move(240, 600, 6000, 315);
    C_Ferdig.SetCaption("&OK");
    C_Ferdig.Move(1790, 1140, 1335, 435);
    C_Avbryt.SetCaption("&Avbryt");
    C_Avbryt.Move(3470, 1140, 1335, 435);
    C_Avbryt.Cancel = true;
    SetTabOrder({&MaskedEdit1, &C_Ferdig, &C_Avbryt});

    C_Ferdig.Click = [this] { C_Ferdig_Click(); };
    C_Avbryt.Click = [this] { C_Avbryt_Click(); };
}

void NyDBase::Form_Load() {
    state::Avbrutt = 0;
    MaskedEdit1.SetMaxLength(32);
}

void NyDBase::Form_KeyDown(int& KeyCode, int /*Shift*/) {
    if (KeyCode == Enter) C_Ferdig_Click();
}

// Closing the dialog through its frame is a cancel.
void NyDBase::Form_QueryUnload(int& /*Cancel*/, int UnloadMode) {
    if (UnloadMode == forms::vbFormControlMenu) state::Avbrutt = True;
}

void NyDBase::C_Ferdig_Click() {
    const std::string tekst = MaskedEdit1.Text();
    const bool tom = vb::Trim(tekst).empty();
    if (tom || !GyldigNavn(tekst)) {
        forms::Beep();
        if (!tom) forms::MsgBox(UgyldigNavn, forms::vbExclamation + forms::vbOKOnly, "Ny database");
        MaskedEdit1.SetFocus();
        return;
    }
    const std::string filnavn = tekst + ".kvx";
    const std::string sti = turneringsdb::Sammenfoy(forms::App.Path, filnavn);
    if (files::ExistsInAnyCase(sti)) {
        state::Svar = static_cast<int16_t>(forms::MsgBox("Database med samme navn finnes fra før, velg annet filnavn",
                                                         forms::vbInformation + forms::vbOKOnly, "Ny database"));
        return;
    }
    state::Svar = static_cast<int16_t>(forms::MsgBox("Er du sikker du vil lage en database ved navn : " + tekst,
                                                     forms::vbInformation + forms::vbOKCancel,
                                                     "Opprettelse av ny Database"));
    if (state::Svar == forms::vbOK) {
        state::DatabaseFilnavn = filnavn;
        state::Databasenavn = sti;
    } else {
        state::Avbrutt = True;
    }
    Unload();
}

void NyDBase::C_Avbryt_Click() {
    state::Avbrutt = True;
    Unload();
}
