#include "frame/TilFil.h"

#include "database/Database.h"
#include "platform/forms/Runtime.h"
#include "state/ProgramState.h"

TilFil::TilFil() : Filvelger("TilFil", "Skriv Til Fil") {}

void TilFil::ForApning() { FileListBox.SetPattern("*.KVX"); }

void TilFil::DirsBox_Change() {
    Filvelger::DirsBox_Change();
    state::Katalog = DirsBox.Path();
}

void TilFil::FileListBox_Click() {
    Filvelger::FileListBox_Click();
    state::Filnavn = TextBox.Text();
}

void TilFil::SSCommand1_Click(int Index) {
    forms::Timeglass timeglass;
    if (Index == 0) {
        // The copy goes where the dialog shows and under the name in its box, not
        // to a Filnavn or Katalog another chooser left behind while this one was hidden.
        state::Filnavn = TextBox.Text();
        KatalogFraMappeliste();
        Lagre_Database_Som();
    }
    Hide();
}
