#include "shared/Filvelger.h"

#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"
#include "state/ProgramState.h"

std::string MedSkilletegn(const std::string& mappe) {
    if (!mappe.empty() && mappe.back() == '/') return mappe;
    return mappe + "/";
}

Filvelger::Filvelger(std::string name, const std::string& caption) : Form(std::move(name)) {
    SetCaption(caption);
    BorderStyle = 3;
    MaxButton = MinButton = false;
    Move(0, 0, 6840, 4320);

    TextBox.Move(120, 120, 3120, 315);
    FileListBox.Move(120, 540, 3120, 3165);
    PathSpec.SetCaption("Label1");
    PathSpec.Move(3480, 60, 3120, 420);
    DirsBox.Move(3480, 540, 3120, 2265);
    DriveDropDown.Move(3480, 2910, 3120, 315);
    // No label stands beside these: named for the screen reader here.
    TextBox.AccessibleName = "Filnavn";
    FileListBox.AccessibleName = "Filer";
    DirsBox.AccessibleName = "Mapper";
    DriveDropDown.AccessibleName = "Stasjon";
    SSCommand1(0).SetCaption("OK");
    SSCommand1(0).Move(3480, 3330, 1470, 375);
    SSCommand1(0).Default = true;
    SSCommand1(1).SetCaption("Avbryt");
    SSCommand1(1).Move(5130, 3330, 1470, 375);
    SSCommand1(1).Cancel = true;
    SetTabOrder({&TextBox, &FileListBox, &DirsBox, &DriveDropDown, &SSCommand1(0), &SSCommand1(1)});

    DirsBox.Change = [this] { DirsBox_Change(); };
    DriveDropDown.Change = [this] { DriveDropDown_Change(); };
    FileListBox.Click = [this] { FileListBox_Click(); };
    FileListBox.DblClick = [this] { FileListBox_DblClick(); };
    FileListBox.PathChange = [this] { FileListBox_PathChange(); };
    TextBox.Change = [this] { TextBox_Change(); };
    TextBox.LostFocus = [this] { TextBox_LostFocus(); };
    for (auto& knapp : SSCommand1) {
        const int index = knapp->Index();
        knapp->Click = [this, index] { SSCommand1_Click(index); };
    }
}

std::string Filvelger::ForsteFinnes(const std::vector<std::string>& mapper) {
    for (const auto& m : mapper)
        if (!m.empty() && files::IsFolder(m)) return m;
    return {};
}

std::string Filvelger::MappeForKatalog() const { return state::Katalog; }

void Filvelger::FlyttTil(const std::string& mappe) {
    // A folder that is gone falls back to Katalog, then to the program folder.
    const std::string finnes = ForsteFinnes({mappe, state::Katalog, forms::App.Path});
    if (!finnes.empty()) FileListBox.SetPath(finnes);
}

void Filvelger::Form_Load() {
    forms::Timeglass timeglass;
    SetLeft((forms::Screen.Width - Width()) / 2);
    SetTop((forms::Screen.Height - Height()) / 2);
    ForApning();
    if (!state::Katalog.empty()) {
        if (state::Katalog.size() > 1 && state::Katalog.back() == '/') state::Katalog.pop_back();
        if (FileListBox.Path() != state::Katalog) FlyttTil(MappeForKatalog());
    }
    EtterKatalog();
    PathSpec.SetCaption(DirsBox.Path());
    if (FileListBox.ListIndex() == -1) {
        ForNavneboks();
        SettNavneboks(FileListBox.Pattern());
    }
    TextBox.SetSelStart(0);
    TextBox.SetSelLength(static_cast<int>(vb::Len(TextBox.Text())));
}

void Filvelger::DirsBox_Change() {
    PathSpec.SetCaption(DirsBox.Path());
    FileListBox.SetPath(DirsBox.Path());
}

std::string Filvelger::DrevFor(const std::string& path) const {
    std::string best = "/";
    for (const auto& drev : DriveDropDown.List()) {
        const bool holder = path == drev || (path.rfind(MedSkilletegn(drev), 0) == 0);
        if (holder && drev.size() > best.size()) best = drev;
    }
    return best;
}

void Filvelger::DriveDropDown_Change() {
    try {
        // The folder list stays where it is when it already lies on the chosen drive.
        if (DrevFor(DirsBox.Path()) != DriveDropDown.Drive()) DirsBox.SetPath(DriveDropDown.Drive());
    } catch (const vb::Err& e) {
        forms::MsgBox(e.Description, forms::vbOKOnly);
        DriveDropDown.SetDrive(DrevFor(DirsBox.Path()));
    }
}

void Filvelger::FileListBox_Click() { SettNavneboks(FileListBox.FileName()); }

void Filvelger::FileListBox_DblClick() { SSCommand1_Click(0); }

void Filvelger::FileListBox_PathChange() {
    DirsBox.SetPath(FileListBox.Path());
    DriveDropDown.SetDrive(DrevFor(FileListBox.Path()));
}

void Filvelger::SettNavneboks(const std::string& tekst) {
    TextBox.SetText(tekst);
    navnSkrevet_ = false;
}

void Filvelger::TextBox_Change() {
    state::Filnavn = TextBox.Text();
    navnSkrevet_ = true;
}

// A name the chooser preselected or took from a click is no filter: the click into
// the list that leaves the box must still find every file there.
void Filvelger::TextBox_LostFocus() {
    state::Filnavn = TextBox.Text();
    if (navnSkrevet_) FileListBox.SetPattern(TextBox.Text());
}

void Filvelger::KatalogFraMappeliste() { state::Katalog = MedSkilletegn(DirsBox.Path()); }
