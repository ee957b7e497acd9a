#include "reports/Rapportfil.h"

#include "database/Schema.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "platform/vb/Variant.h"
#include "state/ProgramState.h"

namespace rapportfil {

void Kjor(report::CrystalReport& CrReport1, const Rapportfil& fil, const std::function<void()>& foerKjoring) {
    CrReport1.SetDataFiles(0, state::Databasenavn);
    CrReport1.ReportFileName = forms::App.ResourcePath + fil.mal;
    CrReport1.DatabaseLayout = turneringsdb::Tabelldefinisjoner();
    CrReport1.SetSortFields(0, fil.sortering);
    CrReport1.SelectionFormula = fil.formel;
    CrReport1.PrintFileName = forms::App.Path + fil.utfil;
    if (foerKjoring) foerKjoring();
    CrReport1.WindowLeft = 0;
    CrReport1.WindowTop = 0;
    CrReport1.WindowWidth = static_cast<int>(vb::RoundHalfEven((forms::Screen.Width - 50.0) / forms::Screen.TwipsPerPixelX));
    CrReport1.WindowHeight = static_cast<int>(vb::RoundHalfEven((forms::Screen.Height - 550.0) / forms::Screen.TwipsPerPixelY));
    CrReport1.SetAction(1);
}

std::string IkkeTilgjengelig(const vb::Err& malfeil) {
    return std::string("Rapport ikke tilgjengelig") + vb::vbCr + malfeil.Description;
}

std::string LagretMelding(const std::string& filnavn) {
    return "Rapporten ble lagret på følgende fil: " + forms::App.Path + Rapportmappe + filnavn;
}

} // namespace rapportfil
