// Reading every referee of another tournament database into the empty register.
#include "register/LesInn.h"

#include <string>

#include "frame/Gate.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "register/Dommernummer.h"
#include "register/Stempel.h"
#include "state/ProgramState.h"

namespace {

// Copied when the source value is not Null, in this order. The Overdommer flags,
// the refresher-course dates, Dommer_Petangue and Dommer_FDato are not carried over.
constexpr const char* Kolonner[] = {
    "Dommer_FNavn",   "Dommer_ENavn",   "Dommer_Lag",     "Dommer_Curling",  "Dommer_Boccia", "Dommer_Fotball",
    "Dommer_Handball", "Dommer_Telefon", "Dommer_Mobil",  "Dommer_email",    "Dommer_DatoDKurs", "Dommer_Adresse",
    "Dommer_Poststed", "Dommer_Postnr",  "KlB_Aspirant1", "KlB_Aspirant2",   "KlB_Aspirant3", "KlB_Dommer1",
    "KlB_Dommer2",    "KlB_Dommer3",    "KlC_Dommer1",    "KlC_Dommer3",     "KlC_Aspirant1"};

void pekerNormal() { forms::Screen.SetMousePointer(forms::vbDefault); }

} // namespace

void Les_Inn_Dommerbase() {
    using namespace state;
    forms::Screen.SetMousePointer(forms::vbHourglass);
    dao::Workspace* ws = nullptr;
    try {
        ArbeidsomradeFil = &dao::DBEngine::Workspaces(0);
        if (!UtvalgFil.IsNothing()) UtvalgFil.Close();
        if (!DBaseFil.IsNothing()) DBaseFil.Close();
        DBaseFil = ArbeidsomradeFil->OpenDatabase(Filsti, true);
        UtvalgFil = DBaseFil.OpenRecordset("Select * from dommere");

        // The register's own rows, read now: another window may have moved Utvalg, and
        // referees may have come in since the menu found the register empty.
        dao::Recordset mal = DBase.OpenRecordset("Select * from Dommere");
        if (mal.RecordCount() > 0) {
            pekerNormal();
            forms::MsgBox(frame::HarDommereMelding, forms::vbExclamation);
            return;
        }

        long hoppetOver = 0;
        ws = ArbeidsomradeFil;
        ws->BeginTrans();
        for (; !UtvalgFil.EOF_(); UtvalgFil.MoveNext()) {
            const vb::Variant nr = UtvalgFil.Get("DommerNR");
            // A row without a number the register can hold would be a referee no one can pick.
            if (nr.IsNull() || !GyldigDommernummer(vb::CDbl(nr))) {
                ++hoppetOver;
                continue;
            }
            mal.AddNew();
            mal.Set("DommerNR", nr);
            for (const char* kolonne : Kolonner) {
                const vb::Variant v = UtvalgFil.Get(kolonne);
                if (!v.IsNull()) mal.Set(kolonne, v);
            }
            mal.Update();
        }
        Siste_Oppdatering(DBase, DatoEtterEndring);
        ws->CommitTrans();
        ws = nullptr;
        Utvalg = mal;

        pekerNormal();
        std::string melding = "Innlesing av dommerdata fullført OK!";
        if (hoppetOver > 0)
            melding += std::string(vb::vbCr) + "Hoppet over " + std::to_string(hoppetOver) +
                       " dommer(e) uten gyldig dommernummer (1 til 999).";
        forms::MsgBox(melding, forms::vbExclamation + forms::vbOKOnly);
    } catch (const vb::Err& e) {
        if (ws) ws->Rollback();
        forms::MsgBox("Feil ved innlesing av dommerdataene! " + e.Description, forms::vbExclamation + forms::vbOKOnly);
        pekerNormal();
    } catch (...) {
        if (ws) ws->Rollback();
        pekerNormal();
        throw;
    }
}
