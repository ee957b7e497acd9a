#pragma once
// The run of one report file on a form's report control, shared by the
// register's referee lists and the match forms' match reports.
#include <functional>
#include <string>

#include "platform/forms/Runtime.h"
#include "platform/report/CrystalReport.h"
#include "platform/vb/Err.h"

namespace rapportfil {

// The report folder with its closing "/", for the report files' paths.
inline const std::string Rapportmappe = std::string(forms::ReportFolder) + "/";
// The template of one referee's overview, as shipped in the resource folder.
inline constexpr const char* EnDommerMal = "/Dommerrapport1.rpt";

struct Rapportfil {
    std::string mal;         // template name under the resource folder ("/Dommeroversikt3.rpt")
    std::string sortering;   // "+ {dommere.DommerNR}"
    std::string formel;      // "" selects every row
    std::string utfil;       // output path under the program folder (Rapportmappe + "DommerOversikt.rtf")
};

// Sets the control's data file, template (checked against the newest database
// layout), sort field, formula and output file, runs foerKjoring (the referee lists store their heading there), sets
// the window placement and runs the report. Errors reach the caller, which
// maps the control's numbers to its own messages.
void Kjor(report::CrystalReport& CrReport1, const Rapportfil& fil, const std::function<void()>& foerKjoring = {});

// "Rapport ikke tilgjengelig" and, on a line of its own, what the component found wrong
// with the template (its path, the line and the cause), for whoever mends the template.
std::string IkkeTilgjengelig(const vb::Err& malfeil);

// The success message's beginning and path: "Rapporten ble lagret på følgende fil: " and the file.
std::string LagretMelding(const std::string& filnavn);

} // namespace rapportfil
