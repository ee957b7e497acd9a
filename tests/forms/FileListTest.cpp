// Drive, folder and file lists over a temporary folder.
#include <filesystem>

#include "FormsTest.h"
#include "platform/vb/Err.h"
#include "support/TestEnv.h"

using namespace forms;
using formstest::Log;
using formstest::Note;

namespace {

struct Chooser : Form {
    Chooser() : Form("FraFil") {
        DirsBox.Change = Note("DirsBox_Change");
        FileListBox.PathChange = Note("PathChange");
        FileListBox.PatternChange = Note("PatternChange");
        FileListBox.Click = Note("FileListBox_Click");
        DriveDropDown.Change = Note("DriveDropDown_Change");
    }
    DriveListBox DriveDropDown{this, "DriveDropDown"};
    DirListBox DirsBox{this, "DirsBox"};
    forms::FileListBox FileListBox{this, "FileListBox"};
};

class FileLists : public formstest::FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        for (const char* name : {"Cup.KVX", "liga.kvx", "notater.txt", "Eldre.Kvx", ".skjult.kvx"}) dir.write(name, "x");
        std::filesystem::create_directory(dir.file("Arkiv"));
    }
    kdtest::TempDir dir;
};

TEST_F(FileLists, PatternsMatchWithoutRegardToCase) {
    auto& f = Default<Chooser>().FileListBox;
    f.SetPath(dir.path());
    f.SetPattern("*.kvx");
    EXPECT_EQ(f.List(), (std::vector<std::string>{"Cup.KVX", "Eldre.Kvx", "liga.kvx"}));   // no dot-file
    f.SetPattern("*.KVX");
    EXPECT_EQ(f.ListCount(), 3);
    EXPECT_EQ(Log(), (std::vector<std::string>{"PathChange", "PatternChange", "PatternChange"}));
}

TEST_F(FileLists, EventsOnlyOnARealChange) {
    auto& c = Default<Chooser>();
    c.FileListBox.SetPath(dir.path());
    c.FileListBox.SetPath(dir.path() + "/");
    c.FileListBox.SetPattern("*.*");
    c.DirsBox.SetPath(dir.path());
    c.DirsBox.SetPath(dir.path());
    c.DriveDropDown.SetDrive(dir.path());   // the drive that holds it, as it was
    EXPECT_EQ(Log(), (std::vector<std::string>{"PathChange", "DirsBox_Change"}));
    EXPECT_EQ(c.DirsBox.List().size(), 1u);
    EXPECT_EQ(c.DriveDropDown.ListIndex() >= 0, true);
}

TEST_F(FileLists, ReadOnlyFilesListOnlyWhileReadOnlyIsOn) {
    std::filesystem::permissions(dir.file("liga.kvx"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    auto& f = Default<Chooser>().FileListBox;
    f.ReadOnly = false;
    f.SetPath(dir.path());
    f.SetPattern("*.kvx");
    EXPECT_EQ(f.List(), (std::vector<std::string>{"Cup.KVX", "Eldre.Kvx"}));
}

TEST_F(FileLists, AMissingFolderRaises76AndKeepsThePath) {
    auto& c = Default<Chooser>();
    c.DirsBox.SetPath(dir.path());
    try {
        c.DirsBox.SetPath(dir.file("borte"));
        ADD_FAILURE() << "no error";
    } catch (const vb::Err& e) {
        EXPECT_EQ(e.Number, 76);
    }
    EXPECT_EQ(c.DirsBox.Path(), dir.path());
    EXPECT_THROW(c.FileListBox.SetPath(dir.file("borte")), vb::Err);
}

TEST_F(FileLists, FileNameOfTheSelectedEntry) {
    auto& f = Default<Chooser>().FileListBox;
    f.SetPath(dir.path());
    f.SetPattern("*.kvx");
    EXPECT_EQ(f.FileName(), "");
    f.UserSelect(2);
    EXPECT_EQ(f.FileName(), "liga.kvx");
    f.SetFileName("CUP.kvx");
    EXPECT_EQ(f.FileName(), "Cup.KVX");
    // A wildcard name is a new pattern, and the selection goes.
    f.SetFileName("*.txt");
    EXPECT_EQ(f.Pattern(), "*.txt");
    EXPECT_EQ(f.List(), (std::vector<std::string>{"notater.txt"}));
    EXPECT_EQ(f.ListIndex(), -1);
    EXPECT_EQ(Log(), (std::vector<std::string>{"PathChange", "PatternChange", "FileListBox_Click",
                                               "FileListBox_Click", "PatternChange"}));
}

TEST_F(FileLists, OpeningASubFolderMovesThePath) {
    auto& d = Default<Chooser>().DirsBox;
    d.SetPath(dir.path());
    d.UserOpen(0);
    EXPECT_EQ(d.Path(), dir.file("Arkiv"));
    d.UserUp();
    EXPECT_EQ(d.Path(), dir.path());
    EXPECT_EQ(Log(), (std::vector<std::string>{"DirsBox_Change", "DirsBox_Change", "DirsBox_Change"}));
}

} // namespace
