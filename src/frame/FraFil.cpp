#include "frame/FraFil.h"

#include <functional>

#include "database/Database.h"
#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "register/Dommere_Init.h"
#include "shared/FilAttributt.h"
#include "state/ProgramState.h"

FraFil::FraFil() : Filvelger("FraFil", "Hent Fra Fil") { FileListBox.SetPattern("*.kvx"); }

void FraFil::EtterKatalog() { FlyttTil(files::DataFolder()); }

namespace {
// An error of one step is passed over and the next step runs.
void Steg(const std::function<void()>& steg) {
    try { steg(); } catch (const vb::Err&) {}
}
} // namespace

void FraFil::SSCommand1_Click(int Index) {
    if (Index == 1) {
        Unload();
        return;
    }
    forms::Timeglass timeglass;
    // The name box decides, not a Filnavn another chooser may have left.
    state::Filnavn = TextBox.Text();
    KatalogFraMappeliste();
    if (vb::Trim(state::Filnavn).empty()) {
        forms::MsgBox("Ingen fil valgt, prøv igjen!", forms::vbExclamation + forms::vbOKOnly);
        return;
    }
    try {
        shared::GjorSkrivbar(state::Katalog + state::Filnavn);
    } catch (const vb::Err& e) {
        if (e.Number == vb::errnum::BadFileName) {
            forms::MsgBox("Ingen fil valgt, prøv igjen!", forms::vbExclamation + forms::vbOKOnly);
            return;
        }
    }
    Steg([] { Sett_Databasenavn(); });
    // The file is opened before the register shows it: a refused file is never
    // read by a window, and the register shows the database that stays open.
    // With none open before a refused file leaves none open: no register then,
    // and the gate answers every data function.
    Steg([] { Oppgrader_Database(); });
    if (!state::Databasenavn.empty()) Steg([] { forms::Default<Dommere_Init>().Show(); });
    Unload();
}
