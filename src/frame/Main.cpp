#include "frame/Main.h"

#include <filesystem>

#include "database/Database.h"
#include "frame/Hovedmeny2.h"
#include "frame/Kildemappe.h"
#include "frame/StartBilde.h"
#include "platform/dao/Dao.h"
#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "platform/vb/Variant.h"
#include "state/ProgramState.h"

namespace {

bool AnnenKopiAvbrutt() {
    if (!forms::App.PrevInstance) return false;
    const std::string sporsmal = std::string("Det kjører allerede en versjon av Kvistrel:") + vb::vbCr +
                                 "- Trykk OK for å starte ytterligere en Kvistrel" + vb::vbCr +
                                 "- Trykk Avbryt for avbryte oppstart";
    return forms::MsgBox(sporsmal, forms::vbOKCancel + forms::vbQuestion, forms::App.Title) != forms::vbOK;
}

// The program folder is made at first start; when something else lies at its
// path the user hears it now, with the path and what lies there, not later when
// a report or a new database has no folder to go to; so too when the folder is
// a copy of the program's source, where a clean-up of the source takes the files.
void LagProgrammappe() {
    try {
        files::MakeFolderPath(forms::App.Path);
    } catch (const vb::Err& e) {
        forms::MsgBox(std::string("Programmappen kan ikke brukes:") + vb::vbCr + e.Description + vb::vbCr + vb::vbCr +
                          "Nye databaser, rapporter og dommerfiler kan ikke lagres der før dette er rettet.",
                      forms::vbExclamation);
        return;
    }
    if (ErKildemappe(forms::App.Path)) {
        forms::MsgBox(std::string("Programmappen ") + forms::App.Path + " er en kopi av kildekoden til KvistrelDommer." +
                          vb::vbCr + vb::vbCr +
                          "Nye databaser havner blant kildefilene, og en opprydding i kildekoden (git clean) kan "
                          "slette dem. Flytt kildekoden til en annen mappe, for eksempel ~/src/kvistreldommer.",
                      forms::vbExclamation);
    }
}

// The database named on the command line becomes the open database: a bare
// name from the program folder, or a path (as "Open with" passes it), its
// letters found in any case, since new databases are made as ".kvx".
void HentKommandolinjeFil() {
    namespace fs = std::filesystem;
    const std::string& kommando = forms::App.Command;
    if (kommando.empty()) return;
    std::error_code ec;
    fs::path sti = kommando.find('/') == std::string::npos ? fs::path(forms::App.Path) / kommando
                                                           : fs::absolute(fs::path(kommando), ec);
    sti = sti.lexically_normal();
    if (sti.filename().string().find('.') == std::string::npos) {
        // ".BCA" first; a bare name of a database "Nytt DommerOppsett" made finds its ".kvx".
        const fs::path kvx = files::FindInAnyCase(fs::path(sti).concat(".kvx").string());
        sti = files::FindInAnyCase(sti.concat(".BCA").string());
        if (!fs::exists(sti, ec) && fs::exists(kvx, ec)) sti = kvx;
    } else {
        sti = files::FindInAnyCase(sti.string());
    }
    state::Katalog = sti.parent_path().string();
    state::Filnavn = '/' + sti.filename().string();
    Sett_Databasenavn();
    // Only a named but unopened database would let the gate pass while every
    // data function finds DBase closed, so the file is opened here as the open
    // dialog opens it; a file that cannot be opened leaves no database named.
    // No event dispatch stands above the start: an error of the open is told here.
    forms::Dispatch(Oppgrader_Database);
    if (state::DBase.IsNothing() || !state::DBase.IsOpen() || state::DBase.Name() != state::Databasenavn) {
        state::Databasenavn.clear();
        state::DatabaseFilnavn.clear();
    }
}

} // namespace

void Tom_Rutine() {}

void Main() {
    if (AnnenKopiAvbrutt()) {
        forms::CurrentHost().endProgram();
        return;
    }
    LagProgrammappe();
    state::Turnering_Navn = "Norges Valmorisk";
    state::Opprettet_Av = "Norges Valmorisk";

    auto& splash = forms::Default<StartBilde>();
    splash.Show();
    splash.Refresh();

    using forms::Screen;
    state::Skjermformat = vb::CStr(vb::IntDiv(Screen.Width, Screen.TwipsPerPixelX)) + " x " +
                          vb::CStr(vb::IntDiv(Screen.Height, Screen.TwipsPerPixelY));
    forms::Timeglass timeglass;

    state::Arbeidsomrade = &dao::DBEngine::Workspaces(0);
    state::ArbeidsomradeRanking2 = &dao::DBEngine::Workspaces(0);
    state::ArbeidsomradeRanking = &dao::DBEngine::Workspaces(0);

    auto& hovedmeny = forms::Default<Hovedmeny2>();
    hovedmeny.Load();
    HentKommandolinjeFil();

    timeglass.Slipp();
    splash.Unload();
    hovedmeny.Show();
}
