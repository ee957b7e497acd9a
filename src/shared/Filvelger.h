#pragma once
// The file-chooser pattern: drive box, folder list, file list with a pattern,
// name box, folder label, and the buttons "OK" (0) and "Avbryt" (1). The three
// lists keep one another in step; the chosen name and folder travel through
// Filnavn and Katalog. Every chooser is shown modally, as desktop file dialogs
// are: while it is up no window can close under it and no other database can
// be opened, so its OK acts on the database and window it was opened for.
#include <string>
#include <vector>

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

class Filvelger : public forms::Form {
public:
    Filvelger(std::string name, const std::string& caption);

    // In tab order: the name box takes the focus first.
    forms::TextBox TextBox{this, "TextBox"};
    forms::FileListBox FileListBox{this, "FileListBox"};
    forms::Label PathSpec{this, "PathSpec"};
    forms::DirListBox DirsBox{this, "DirsBox"};
    forms::DriveListBox DriveDropDown{this, "DriveDropDown"};
    forms::ControlArray<forms::SSCommand> SSCommand1{this, "SSCommand1", {0, 1}};

    void Form_Load() override;
    virtual void SSCommand1_Click(int Index) = 0;

protected:
    virtual void DirsBox_Change();
    void DriveDropDown_Change();
    virtual void FileListBox_Click();
    void FileListBox_DblClick();
    void FileListBox_PathChange();
    void TextBox_Change();
    void TextBox_LostFocus();

    // The member's own opening steps, around the common ones.
    virtual void ForApning() {}
    // Where the file list moves when it does not show Katalog.
    virtual std::string MappeForKatalog() const;
    virtual void EtterKatalog() {}
    virtual void ForNavneboks() {}

    // The first of the folders that exists ("" when none does).
    static std::string ForsteFinnes(const std::vector<std::string>& mapper);
    // Moves the file list (and with it the other lists) to folder.
    void FlyttTil(const std::string& mappe);
    // Katalog := the folder shown, ending in "/".
    void KatalogFraMappeliste();
    // The drive of the drive box that holds path.
    std::string DrevFor(const std::string& path) const;

private:
    // The chooser writes a name (or its pattern) into the name box; only what the
    // user typed there since becomes the list's pattern on leaving the box.
    void SettNavneboks(const std::string& tekst);
    bool navnSkrevet_ = false;
};

// Katalog and a trailing "/": a folder and a bare name join by plain concatenation.
std::string MedSkilletegn(const std::string& mappe);
