#include "import/FraFil_Dommer.h"

#include <algorithm>

#include "import/HentDommerFil.h"
#include "import/Innlesing.h"
#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "shared/FilAttributt.h"
#include "state/ProgramState.h"

FraFil_Dommer::FraFil_Dommer() : Filvelger("FraFil_Dommer", "Hent Fra Dommer Fil") { FileListBox.SetPattern("*.dkv"); }

// Result files always come from the data folder; the last folder is not used here.
std::string FraFil_Dommer::MappeForKatalog() const { return files::DataFolder(); }

void FraFil_Dommer::EtterKatalog() {
    FlyttTil(files::DataFolder());
    const auto& liste = FileListBox.List();
    if (std::find(liste.begin(), liste.end(), state::Filnavn) != liste.end()) FileListBox.SetFileName(state::Filnavn);
}

void FraFil_Dommer::SSCommand1_Click(int Index) {
    forms::Timeglass timeglass;
    // Every error is passed over: the dialog always closes.
    try {
        state::Filnavn = TextBox.Text();
        KatalogFraMappeliste();
        const std::string sti = state::Katalog + state::Filnavn;
        if (Index == 0) {
            // Only a file that is really read in is made writable; "Avbryt" touches no file.
            try { shared::GjorSkrivbar(sti); } catch (const vb::Err&) {}
            state::Filsti = sti;
            if (forms::Default<HentDommerFil>().SSCheck1.Value() == 1) Les_Inn_Dommerfil_Test();
            else Les_Inn_Dommerfil();
        }
    } catch (const vb::Err&) {
    }
    Unload();
}
