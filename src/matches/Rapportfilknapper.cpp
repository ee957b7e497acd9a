// The report-file buttons both match windows have: the refereed matches of all
// referees in one file, and those of the referee in Text4 in a file of his own.
#include "matches/Dommer.h"
#include "matches/Kampvindu.h"
#include "platform/forms/Runtime.h"
#include "platform/report/ReportErrors.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "reports/Rapportfil.h"

namespace {

std::string Feilmelding(const vb::Err& e, const char* katalog) {
    switch (e.Number) {
    case report::errnum::TemplateUnavailable: return rapportfil::IkkeTilgjengelig(e);
    case report::errnum::NoDefaultPrinter: return "Ingen default printer er funnet";
    case report::errnum::CannotWriteOutput:
        return std::string("Du må først manuelt opprette katalog for dommer-rapportene. ") + vb::vbCr +
               "Start utforsker/file manager og opprett en katalog som heter Dommerrapport under " + katalog +
               "-katalogen." + vb::vbCr + "Prøv så på nytt!";
    case report::errnum::DatabaseDoesNotFit:
        return std::string("Denne funksjonen virker kun på nye databaser.") + vb::vbCr +
               "Du opprette en ny turnering for å benytte denne funksjon.";
    default: return "Rapporten kunne desverre ikke skrives ut, feil: " + e.Description;
    }
}

} // namespace

void Kampvindu::rapportfilAlle(const char* sortering) {
    try {
        rapportfil::Kjor(CrReport1, {"/dommerrapport.rpt", sortering, "", rapportfil::Rapportmappe + std::string("Dommerrapport.rtf")});
    } catch (const vb::Err& e) {
        forms::MsgBox(Feilmelding(e, "KvistrelDommer"), forms::vbOKOnly);
        return;
    }
    forms::MsgBox(rapportfil::LagretMelding("Dommerrapport.rtf"), forms::vbOKOnly);
}

void Kampvindu::rapportfilEn() {
    try {
        const std::string text4 = Text4.Text();
        if (!(vb::Val(text4) > 0)) {
            forms::MsgBox(std::string("Ingen dommer er valgt!") + vb::vbCr + "Velg dommer først og prøv igjen!",
                          forms::vbInformation);
            return;
        }
        const std::string nr = std::to_string(vb::CInt(vb::Variant(vb::Val(text4))));
        const std::string fil = "DommerOversikt_" + nr + ".rtf";
        rapportfil::Kjor(CrReport1, {rapportfil::EnDommerMal, "+ {dommere.DommerNR}", "{dommere.dommernr} =" + nr, rapportfil::Rapportmappe + fil});
        forms::MsgBox(rapportfil::LagretMelding(fil), forms::vbOKOnly);
    } catch (const vb::Err& e) {
        forms::MsgBox(Feilmelding(e, "Kvistrel"), forms::vbOKOnly);
    }
}

void Dommer::SSCommand8_Click() { rapportfilAlle("+ {dommere.Dommernr}"); }
void Dommer::SSCommand9_Click() { rapportfilEn(); }
