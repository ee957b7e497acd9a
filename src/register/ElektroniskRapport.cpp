// The referee lists written as report files, one list type per report option.
#include "platform/forms/Runtime.h"
#include "platform/report/ReportErrors.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "register/Dommere_Init.h"
#include "reports/Felt.h"
#include "reports/Rapportfil.h"
#include "state/ProgramState.h"

namespace {

struct Listetype {
    const char* telling;       // the count query
    const char* ingenFunnet;   // when it finds no referee
    int ikon;
    const char* mal;
    const char* formel;
    const char* filnavn;
    const char* overskrift;    // the heading, before the count and " stk)"
    const char* tittel;        // of the success message
};

// An Overdommer is classified, though the two flags came after the nine others.
constexpr const char* kUklassifisert =
    "Select * from dommere where KlB_Aspirant3=False AND KlB_Aspirant2=False AND KlB_Aspirant1=False AND "
    "KlB_Dommer1=False AND KlB_Dommer2=False AND KlB_Dommer3=False AND KlC_Dommer1=False AND KlC_Dommer3=False AND "
    "KlC_Aspirant1=False AND KlB_Overdommer=False AND KlC_Overdommer=False Order By Dommernr asc";
constexpr const char* kUklassifisertFormel =
    "{dommere.KlB_Aspirant3}=False AND {dommere.KlB_Aspirant2}=False AND {dommere.KlB_Aspirant1}=False AND "
    "{dommere.KlB_Dommer1}=False AND {dommere.KlB_Dommer2}=False AND {dommere.KlB_Dommer3}=False AND "
    "{dommere.KlC_Dommer1}=False AND {dommere.KlC_Dommer3}=False AND {dommere.KlC_Aspirant1}=False AND "
    "{dommere.KlB_Overdommer}=False AND {dommere.KlC_Overdommer}=False";

using forms::vbExclamation;
using forms::vbInformation;

// Types 1 to 15 in the order of the options SSOption1 to SSOption15. Type 1
// counts the referees its file lists (either game), so heading and file agree.
const Listetype kTyper[] = {
    {"Select * from Dommere where Dommer_Boccia=True OR Dommer_Curling=True", "Ingen Dommere funnet!", vbExclamation,
     "/Dommeroversikt3.rpt", "{dommere.Dommer_Boccia} = True OR {dommere.Dommer_Curling} = True", "DommerOversikt.rtf",
     "Alle dommere - Boccia + Curling (", "KvistrelDommer: Alle dommere"},
    {"Select * from Dommere where Dommer_Boccia=True", "Ingen Dommere for Boccia funnet!", vbExclamation,
     "/Dommeroversikt1.rpt", "{dommere.Dommer_Boccia} = True", "DommerOversikt_Boccia.rtf", "Alle dommere - Boccia (",
     "KvistrelDommer: Boccia dommere"},
    {"Select * from Dommere where Dommer_Curling=True", "Ingen Dommere for Curling funnet!", vbExclamation,
     "/Dommeroversikt2.rpt", "{dommere.Dommer_Curling} = True", "DommerOversikt_Curling.rtf", "Alle dommere - Curling (",
     "KvistrelDommer: Curling dommere"},
    {"Select * from Dommere where KlC_Dommer3=True", "Ingen Forbundsdommere 3 for Curling funnet!", vbExclamation,
     "/Dommeroversikt7.rpt", "{dommere.KlC_Dommer3} = True", "DommerOversikt_Curling_Forb3.rtf",
     "Forbundsdommere 3 - Curling (", "KvistrelDommer: Forbundsdommer 3 Curling"},
    {"Select * from Dommere where KlC_Dommer1=True", "Ingen Forbundsdommere 1 for Curling funnet!", vbExclamation,
     "/Dommeroversikt7.rpt", "{dommere.KlC_Dommer1} = True", "DommerOversikt_Curling_Forb1.rtf",
     "Forbundsdommere 1 - Curling (", "KvistrelDommer: Forbundsdommer 1 Curling"},
    {"Select * from Dommere where KlC_Aspirant1=True", "Ingen Aspirantdommere 1 for Curling funnet!", vbExclamation,
     "/Dommeroversikt7.rpt", "{dommere.KlC_Aspirant1} = True", "DommerOversikt_Curling_Asp1.rtf",
     "Aspirantdommere 1 - Curling (", "KvistrelDommer: Aspirantdommer 1 Curling"},
    {"Select * from Dommere where KlB_Dommer1=True", "Ingen Forbundsdommer 1 for Boccia funnet", vbExclamation,
     "/Dommeroversikt7.rpt", "{dommere.KlB_Dommer1} = True", "DommerOversikt_Boccia_Forb1.rtf",
     "Forbundsdommere 1 - Boccia (", "KvistrelDommer: Forbundsdommer 1 Boccia"},
    {"Select * from Dommere where KlB_Dommer2=True", "Ingen Forbundsdommer 2 for Boccia funnet", vbExclamation,
     "/Dommeroversikt7.rpt", "{dommere.KlB_Dommer2} = True", "DommerOversikt_Boccia_Forb2.rtf",
     "Forbundsdommere 2 - Boccia (", "KvistrelDommer: Forbundsdommer 2 Boccia"},
    {"Select * from Dommere where KlB_Dommer3=True", "Ingen Forbundsdommer 3 for Boccia funnet", vbExclamation,
     "/Dommeroversikt7.rpt", "{dommere.KlB_Dommer3} = True", "DommerOversikt_Boccia_Forb3.rtf",
     "Forbundsdommere 3 - Boccia (", "KvistrelDommer: Forbundsdommer 3 Boccia"},
    {"Select * from Dommere where KlB_Aspirant1=True", "Ingen Aspirantdommer 1 for Boccia funnet", vbExclamation,
     "/Dommeroversikt7.rpt", "{dommere.KlB_Aspirant1} = True", "DommerOversikt_Boccia_Asp1.rtf",
     "Aspirantdommere 1 - Boccia (", "KvistrelDommer: Aspirantdommer 1 Boccia"},
    {"Select * from Dommere where KlB_Aspirant2=True", "Ingen Aspirantdommer 2 for Boccia funnet", vbExclamation,
     "/Dommeroversikt7.rpt", "{dommere.KlB_Aspirant2} = True", "DommerOversikt_Boccia_Asp2.rtf",
     "Aspirantdommere 2 - Boccia (", "KvistrelDommer: Aspirantdommer 2 Boccia"},
    {"Select * from Dommere where KlB_Aspirant3=True", "Ingen Aspirantdommer 3 for Boccia funnet", vbExclamation,
     "/Dommeroversikt7.rpt", "{dommere.KlB_Aspirant3} = True", "DommerOversikt_Boccia_Asp3.rtf",
     "Aspirantdommere 3 - Boccia (", "KvistrelDommer: Aspirantdommer 3 Boccia"},
    {kUklassifisert, "Ingen uklassifiserte dommere funnet!", vbInformation, "/Dommeroversikt7.rpt", kUklassifisertFormel,
     "DommerOversikt_Uklassifiserte.rtf", "Uklassifiserte dommere (", "KvistrelDommer: Uklassifiserte dommere"},
    {"Select * from Dommere where KlB_Overdommer=True", "Ingen Overdommere for Boccia funnet!", vbExclamation,
     "/Dommeroversikt.rpt", "{dommere.KlB_Overdommer} = True", "DommerOversikt_Boccia_Over.rtf",
     "Overdommere - Boccia (", "KvistrelDommer: Overdommer Boccia"},
    {"Select * from Dommere where KlC_Overdommer=True", "Ingen Overdommere for Curling funnet!", vbExclamation,
     "/Dommeroversikt.rpt", "{dommere.KlC_Overdommer} = True", "DommerOversikt_Curling_Over.rtf",
     "Overdommere - Curling (", "KvistrelDommer: Overdommer Curling"},
};

std::string Feilmelding(const vb::Err& e) {
    switch (e.Number) {
    case report::errnum::TemplateUnavailable: return rapportfil::IkkeTilgjengelig(e);
    case report::errnum::CannotOpenData: return "Finner ikke databasen";
    case report::errnum::NoDefaultPrinter: return "Ingen default printer er funnet";
    default: return std::string("Rapport ikke mulig , Feilmelding: ") + vb::vbCr + e.Description;
    }
}

} // namespace

void Dommere_Init::C_ElektroniskRapport_Click() {
    const int valgt = Rapporttype();
    if (valgt == 0) {
        forms::MsgBox(std::string("Ingen rapporttype er valgt!") + vb::vbCr + "Velg type rapport og prøv igjen!",
                      forms::vbExclamation);
        return;
    }
    const Listetype* type = &kTyper[valgt - 1];

    dao::Recordset telling = state::DBase2.OpenRecordset(type->telling);
    if (!(telling.RecordCount() > 0)) {
        forms::MsgBox(type->ingenFunnet, type->ikon);
        return;
    }
    telling.MoveLast();
    const int16_t antall = vb::CInt(vb::Variant(telling.RecordCount()));
    telling.Close();

    try {
        rapportfil::Kjor(CrReport1, {type->mal, "+ {dommere.DommerNR}", type->formel, rapportfil::Rapportmappe + std::string(type->filnavn)},
                         [&] {
                             dao::Recordset versjon = state::DBase2.OpenRecordset("Select * from Versjon");
                             versjon.Edit();
                             versjon("Comm1") = type->overskrift + std::to_string(antall) + " stk)";
                             versjon.Update();
                         });
    } catch (const vb::Err& e) {
        forms::MsgBox(Feilmelding(e), forms::vbOKOnly);
        return;
    }
    forms::MsgBox(rapportfil::LagretMelding(type->filnavn) + vb::vbCr + vb::vbCr + "Antall dommere funnet: " +
                      std::to_string(antall),
                  forms::vbInformation, type->tittel);
}
