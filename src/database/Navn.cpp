// The names by which the program finds its tournament database.
#include "database/Apen.h"
#include "database/Database.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

void Sett_Databasenavn() {
    forms::Timeglass timeglass;
    turneringsdb::SettNavn(turneringsdb::Sammenfoy(state::Katalog, state::Filnavn));
    const std::string etternavn = vb::Right(vb::UCase(state::Filnavn), 4);
    if (etternavn != ".BCA" && etternavn != ".KVX")
        forms::MsgBox("UKjent Filversjon", forms::vbInformation + forms::vbOKOnly, "FEIL FILVERSJON");
}

void Sett_Filmonster() { state::Filmonster = "*.KVX"; }
