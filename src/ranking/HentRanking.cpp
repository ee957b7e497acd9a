#include "ranking/HentRanking.h"

#include <algorithm>

#include "platform/forms/Runtime.h"
#include "platform/vb/Strings.h"
#include "ranking/Import.h"
#include "ranking/Ranking.h"
#include "state/ProgramState.h"

Rankingvelger::Rankingvelger(std::string name, const std::string& caption, std::string monster)
    : Filvelger(std::move(name), caption), monster_(std::move(monster)) {}

void Rankingvelger::ForApning() { FileListBox.SetPattern(monster_); }

void Rankingvelger::EtterKatalog() {
    if (state::Filnavn.empty()) return;
    const auto& filer = FileListBox.List();
    const auto funnet = std::find(filer.begin(), filer.end(), state::Filnavn);
    if (funnet != filer.end()) FileListBox.SetListIndex(static_cast<int>(funnet - filer.begin()));
}

namespace {

// The user is back in the ranking window, which shows the lists renumbered, as
// they now are. The window layer takes the closing chooser for a dialog of that
// window and would hand the focus back without an activation.
void TilbakeTilRanking() {
    if (!forms::IsLoaded<Ranking>()) return;
    Ranking& ranking = forms::Default<Ranking>();
    if (forms::Screen.ActiveForm() == &ranking) forms::Dispatch([&ranking] { ranking.Form_Activate(); });
}

} // namespace

void Rankingvelger::SSCommand1_Click(int Index) {
    if (Index == 0) {
        // Refused before the question, and the chooser stays for another file.
        if (!Importkilde_Godtatt(MedSkilletegn(DirsBox.Path()) + TextBox.Text())) {
            TextBox.SetFocus();
            return;
        }
        state::Svar = static_cast<int16_t>(forms::MsgBox(std::string("Dersom du fortsetter vil eksisterende rankinglister slettes,") +
                                                             vb::vbCr + "Ønsker du å fortsette?",
                                                         forms::vbYesNo + forms::vbQuestion, "Slette Rankinglister"));
        if (state::Svar == forms::vbYes) {
            forms::Screen.SetMousePointer(forms::vbHourglass);
            // The name box decides, not a Filnavn another chooser may have left.
            state::Filnavn = TextBox.Text();
            KatalogFraMappeliste();
            Importer(state::Katalog + state::Filnavn);
        }
    }
    Unload();
    forms::Screen.SetMousePointer(forms::vbDefault);
    TilbakeTilRanking();
}

HentRanking::HentRanking() : Rankingvelger("HentRanking", "Hent Ranking", "*.bcd") {}

void HentRanking::Importer(const std::string& sti) { Importer_Fra_Turneringsfil(sti); }

HentRanking2::HentRanking2() : Rankingvelger("HentRanking2", "Hent Ranking2", "*.kvx") {}

void HentRanking2::Importer(const std::string& sti) { Importer_Fra_Dommerdatabase(sti); }
