#include "frame/FraFil_Dommerbase.h"

#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "register/LesInn.h"
#include "shared/FilAttributt.h"
#include "state/ProgramState.h"

FraFil_Dommerbase::FraFil_Dommerbase() : Filvelger("FraFil_Dommerbase", "Hente Dommere fra annen database") {}

void FraFil_Dommerbase::ForApning() { state::Filnavn.clear(); }

std::string FraFil_Dommerbase::MappeForKatalog() const { return forms::App.Path; }

void FraFil_Dommerbase::ForNavneboks() { FileListBox.SetPattern("*.kvx"); }

void FraFil_Dommerbase::SSCommand1_Click(int Index) {
    forms::Timeglass timeglass;
    // Every error is passed over: the dialog always closes.
    try {
        state::Filnavn = TextBox.Text();
        KatalogFraMappeliste();
        const std::string path = state::Katalog + state::Filnavn;
        if (Index == 0) {
            // Only a file that is really read in is made writable; "Avbryt" touches no file.
            try { shared::GjorSkrivbar(path); } catch (const vb::Err&) {}
            state::Filsti = path;
            Les_Inn_Dommerbase();
        }
    } catch (const vb::Err&) {
    }
    Unload();
}
