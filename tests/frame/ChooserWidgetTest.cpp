// The three file choosers of the frame under the user's mouse and keys: a click
// names a file, a later click another one, a typed pattern filters, and one
// double click opens a folder or a database.
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>

#include "frame/FraFil.h"
#include "frame/FraFil_Dommerbase.h"
#include "frame/Main.h"
#include "frame/QtFrameFixture.h"
#include "frame/TilFil.h"
#include "support/Mus.h"

namespace fs = std::filesystem;

namespace kdtest {
namespace {

struct Member {
    const char* name;
    std::function<Filvelger&()> form;
    bool inDataFolder;   // else in the program folder
};

class ChooserWidgetTest : public QtFrameTest {
protected:
    void SetUp() override {
        QtFrameTest::SetUp();
        Main();
        for (const std::string& folder : {dataFolder, program.path()}) {
            for (const char* name : {"Annen.kvx", "Cup.kvx", "Cup.txt"}) std::ofstream(folder + "/" + name) << "x";
            fs::create_directory(folder + "/Arkiv");
        }
    }
    static std::vector<Member> members() {
        return {{"FraFil", [] () -> Filvelger& { return forms::Default<FraFil>(); }, true},
                {"TilFil", [] () -> Filvelger& { return forms::Default<TilFil>(); }, false},
                {"FraFil_Dommerbase", [] () -> Filvelger& { return forms::Default<FraFil_Dommerbase>(); }, false}};
    }
    Filvelger& show(const Member& m) {
        Filvelger& f = m.form();
        f.Show();
        settle();
        return f;
    }
    QListWidget* list(forms::Control& c) const { return qobject_cast<QListWidget*>(widget(c)); }
    QLineEdit* box(Filvelger& f) const { return qobject_cast<QLineEdit*>(widget(f.TextBox)); }
    void click(QListWidget* l, const char* text) {
        const int row = RowOf(l, QString::fromUtf8(text));
        ASSERT_GE(row, 0) << text;
        ClickRow(l, row);
        settle();
    }
    static QStringList rows(const QListWidget* l) {
        QStringList out;
        for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
        return out;
    }
};

TEST_F(ChooserWidgetTest, AClickNamesTheFileAndALaterClickAnotherWithTheListWhole) {
    for (const Member& m : members()) {
        SCOPED_TRACE(m.name);
        Filvelger& f = show(m);
        QListWidget* files = list(f.FileListBox);
        ASSERT_NE(files, nullptr);
        ASSERT_EQ(rows(files), (QStringList{"Annen.kvx", "Cup.kvx"}));
        click(files, "Cup.kvx");
        EXPECT_EQ(f.TextBox.Text(), "Cup.kvx");
        EXPECT_EQ(box(f)->text(), QStringLiteral("Cup.kvx"));
        // Into the name box and out again with a click on another file.
        QTest::mouseClick(box(f), Qt::LeftButton);
        settle();
        click(files, "Annen.kvx");
        EXPECT_EQ(f.TextBox.Text(), "Annen.kvx");
        EXPECT_EQ(state::Filnavn, "Annen.kvx");
        EXPECT_EQ(rows(files), (QStringList{"Annen.kvx", "Cup.kvx"}));
        f.Unload();
        settle();
    }
}

TEST_F(ChooserWidgetTest, ATypedPatternFiltersOnLeavingTheBoxAndTabChoosesNothing) {
    for (const Member& m : members()) {
        SCOPED_TRACE(m.name);
        Filvelger& f = show(m);
        QLineEdit* name = box(f);
        QTest::mouseClick(name, Qt::LeftButton);
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Cup*"));
        QTest::keyClick(name, Qt::Key_Tab);
        settle();
        EXPECT_EQ(f.FileListBox.Pattern(), "Cup*");
        EXPECT_EQ(rows(list(f.FileListBox)), (QStringList{"Cup.kvx", "Cup.txt"}));
        EXPECT_EQ(f.FileListBox.ListIndex(), -1);
        EXPECT_EQ(f.TextBox.Text(), "Cup*");
        f.Unload();
        settle();
    }
}

TEST_F(ChooserWidgetTest, OneDoubleClickOpensAFolder) {
    for (const Member& m : members()) {
        SCOPED_TRACE(m.name);
        Filvelger& f = show(m);
        const std::string start = m.inDataFolder ? dataFolder : program.path();
        ASSERT_EQ(f.DirsBox.Path(), start);
        QListWidget* dirs = list(f.DirsBox);
        DoubleClickRow(dirs, RowOf(dirs, QStringLiteral("Arkiv")));
        settle();
        EXPECT_EQ(f.DirsBox.Path(), start + "/Arkiv");
        EXPECT_EQ(f.FileListBox.Path(), start + "/Arkiv");
        EXPECT_EQ(f.PathSpec.Caption(), start + "/Arkiv");
        f.Unload();
        settle();
    }
}

TEST_F(ChooserWidgetTest, SaveAsShownAgainWithItsNameStillLetsTheMouseChooseAnother) {
    auto& t = forms::Default<TilFil>();
    t.Show();
    settle();
    click(list(t.FileListBox), "Cup.kvx");
    QTest::mouseClick(widget(t.SSCommand1(1)), Qt::LeftButton);
    t.Show();
    settle();
    EXPECT_EQ(box(t)->text(), QStringLiteral("Cup.kvx"));
    click(list(t.FileListBox), "Annen.kvx");
    EXPECT_EQ(t.TextBox.Text(), "Annen.kvx");
    EXPECT_EQ(rows(list(t.FileListBox)), (QStringList{"Annen.kvx", "Cup.kvx"}));
}

TEST_F(ChooserWidgetTest, ClickAndOkOpensTheFileAndTheNextOpenTakesTheOtherOne) {
    for (const char* name : {"Annen.kvx", "Cup.kvx"}) {
        fs::remove(dataFolder + "/" + name);
        fs::remove(program.file(name));
        fs::copy_file(makeDatabase(name), dataFolder + "/" + name);
    }
    auto& first = forms::Default<FraFil>();
    first.Show();
    settle();
    click(list(first.FileListBox), "Cup.kvx");
    QTest::mouseClick(widget(first.SSCommand1(0)), Qt::LeftButton);
    settle();
    EXPECT_EQ(state::Databasenavn, dataFolder + "/Cup.kvx");

    auto& second = forms::Default<FraFil>();
    second.Show();
    settle();
    QListWidget* files = list(second.FileListBox);
    DoubleClickRow(files, RowOf(files, QStringLiteral("Annen.kvx")));
    settle();
    EXPECT_FALSE(forms::IsLoaded<FraFil>());
    EXPECT_EQ(state::Databasenavn, dataFolder + "/Annen.kvx");
}

} // namespace
} // namespace kdtest
