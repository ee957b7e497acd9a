// Reading every referee of another tournament database into the empty register.
#include "register/LesInn.h"

#include <string>
#include <vector>

#include "database/Apen.h"
#include "database/Dommernummer.h"
#include "database/Transaksjon.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "register/Stempel.h"
#include "shared/Gate.h"
#include "state/ProgramState.h"

namespace {

// The columns of the source's Dommere that the register has too, DommerNR aside:
// all of them are copied, whatever version of the layout the source has.
std::vector<std::string> FellesKolonner(const dao::Recordset& kilde, const dao::Database& maal) {
    const dao::TableDef dommere = maal.TableDef_("Dommere");
    std::vector<std::string> kolonner;
    for (int i = 0; i < kilde.FieldCount(); ++i) {
        const std::string navn = kilde.FieldName(i);
        if (vb::UCase(navn) != "DOMMERNR" && dommere.FindField(navn)) kolonner.push_back(navn);
    }
    return kolonner;
}

} // namespace

void Les_Inn_Dommerbase() {
    using namespace state;
    forms::Timeglass timeglass;
    try {
        ArbeidsomradeFil = &dao::DBEngine::Workspaces(0);
        if (!UtvalgFil.IsNothing()) UtvalgFil.Close();
        if (!DBaseFil.IsNothing()) DBaseFil.Close();
        // Only read: a source that is refused or read keeps its bytes, and another
        // program may go on reading it meanwhile.
        DBaseFil = ArbeidsomradeFil->OpenDatabase(Filsti, false, true);
        turneringsdb::ProvHel(DBaseFil, Filsti);
        UtvalgFil = DBaseFil.OpenRecordset("Select * from dommere");

        // The register's own rows, read now: another window may have moved Utvalg, and
        // referees may have come in since the menu found the register empty.
        dao::Recordset mal = DBase.OpenRecordset("Select * from Dommere");
        if (mal.RecordCount() > 0) {
            timeglass.Slipp();
            forms::MsgBox(shared::HarDommereMelding, forms::vbExclamation);
            return;
        }

        const std::vector<std::string> kolonner = FellesKolonner(UtvalgFil, DBase);
        long hoppetOver = 0;
        I_Transaksjon([&] {
            for (; !UtvalgFil.EOF_(); UtvalgFil.MoveNext()) {
                const vb::Variant nr = UtvalgFil.Get("DommerNR");
                // A row without a number the register can hold would be a referee no one can pick.
                if (nr.IsNull() || !GyldigDommernummer(vb::CDbl(nr))) {
                    ++hoppetOver;
                    continue;
                }
                mal.AddNew();
                mal.Set("DommerNR", nr);
                // A Null stays as the new row leaves it.
                for (const std::string& kolonne : kolonner) {
                    const vb::Variant v = UtvalgFil.Get(kolonne);
                    if (!v.IsNull()) mal.Set(kolonne, v);
                }
                mal.Update();
            }
            Siste_Oppdatering(DBase, DatoEtterEndring);
        });
        Utvalg = mal;
        turneringsdb::DatabasenErEndret();

        timeglass.Slipp();
        std::string melding = "Innlesing av dommerdata fullført OK!";
        if (hoppetOver > 0)
            melding += std::string(vb::vbCr) + "Hoppet over " + std::to_string(hoppetOver) +
                       " dommer(e) uten gyldig dommernummer (1 til 999).";
        forms::MsgBox(melding, forms::vbExclamation + forms::vbOKOnly);
    } catch (const vb::Err& e) {
        forms::MsgBox("Feil ved innlesing av dommerdataene! " + e.Description, forms::vbExclamation + forms::vbOKOnly);
    }
}
