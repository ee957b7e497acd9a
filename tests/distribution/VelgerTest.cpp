// The folder chooser: where OK writes, what "Avbryt" leaves, and new folders.
#include "Fixture.h"

#include <filesystem>

#include "distribution/TilDommerFil.h"
#include "register/Dommere_Init.h"
#include "state/ProgramState.h"

namespace distest {
namespace {

class Velger : public DistTest {
protected:
    TilDommerFil& vis() {
        auto& f = forms::Default<TilDommerFil>();
        f.Show();
        return f;
    }
};

TEST_F(Velger, OkWritesIntoTheFolderShownNotAnOlderKatalog) {
    LeggInn({1, "A", "A", "A"});
    std::filesystem::create_directories(dir.file("valgt"));
    forms::Default<Dommere_Init>().SSCommand11.UserClick();
    ASSERT_TRUE(forms::IsLoaded<TilDommerFil>());
    TilDommerFil& f = forms::Default<TilDommerFil>();
    EXPECT_EQ(f.SSPanel1.Caption(), "KV_Dommere.kvz");
    f.DirsBox.SetPath(dir.file("valgt"));
    EXPECT_EQ(f.SSPanel2.Caption(), dir.file("valgt"));
    // Another dialog changed Katalog while this one was hidden.
    state::Katalog = dir.file("annet");
    bokser();
    f.SSCommand1(0).UserClick();

    const std::string fil = dir.file("valgt/KV_Dommere.kvz");
    EXPECT_TRUE(std::filesystem::exists(fil));
    const auto b = bokser();
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].title, "Dommerfil til klubbene");
    EXPECT_NE(b[0].prompt.find("\r" + fil + "\r"), std::string::npos);
    EXPECT_EQ(state::Katalog, dir.file("valgt") + "/");
    // Hidden, not unloaded: it comes back as it was left.
    EXPECT_FALSE(f.Visible());
    EXPECT_TRUE(f.IsLoaded());
    EXPECT_EQ(vis().DirsBox.Path(), dir.file("valgt"));
}

TEST_F(Velger, StartsInTheProgramFolderWithoutReportingAFolderChange) {
    // Started from elsewhere, as scripts/run.sh starts it from the source tree.
    const std::filesystem::path her = std::filesystem::current_path();
    std::filesystem::current_path("/");
    state::Katalog = "/fra/forrige/dialog";
    TilDommerFil& f = vis();
    std::filesystem::current_path(her);
    EXPECT_EQ(f.DirsBox.Path(), forms::App.Path);
    EXPECT_EQ(f.SSPanel2.Caption(), "");
    EXPECT_EQ(state::Katalog, "/fra/forrige/dialog");
}

TEST_F(Velger, AvbrytWritesNothingAndKeepsKatalog) {
    TilDommerFil& f = vis();
    f.DirsBox.SetPath(dir.path());
    state::Katalog = "/et/sted";
    f.SSCommand1(1).UserClick();
    EXPECT_FALSE(std::filesystem::exists(dir.file("KV_Dommere.kvz")));
    EXPECT_EQ(state::Katalog, "/et/sted");
    EXPECT_TRUE(bokser().empty());
    EXPECT_FALSE(f.Visible());
}

TEST_F(Velger, NewFolderIsMadeOneLevelDownOrRefusedWithItsMessage) {
    const std::string fins = dir.file("Finnes");
    std::filesystem::create_directories(fins);
    struct Tilfelle {
        std::string navn;
        int ikon;
        std::string melding;   // "" : the made-folder message
        bool lages;
    };
    const std::string feil = "Det oppstod en feil ved opprettelse av ny katalog!";
    const Tilfelle tilfeller[] = {
        {"Klubbene 2026 Øst", forms::vbInformation, "", true},
        {"", forms::vbCritical, "Du må angi et navn på ønsket katalog først!", false},
        {"Finnes", forms::vbInformation, "Katalog med dette navn finnes allerede, velg et annet navn!", false},
        {"ny/under", forms::vbCritical, feil, false},
        {"..", forms::vbCritical, feil, false},
        {".", forms::vbCritical, feil, false},
        {std::string("a\0b", 3), forms::vbCritical, feil, false},
    };
    TilDommerFil& f = vis();
    f.DirsBox.SetPath(dir.path());
    for (const auto& t : tilfeller) {
        SCOPED_TRACE(t.navn);
        const auto forMappene = filer(dir.path());
        f.Text1.SetText(t.navn);
        f.SSCommand2.UserClick();
        const auto b = bokser();
        ASSERT_EQ(b.size(), 1u);
        EXPECT_EQ(b[0].title, "Opprette ny katalog");
        EXPECT_EQ(b[0].icon(), t.ikon);
        EXPECT_EQ(b[0].prompt, t.lages ? "Ny katalog: \r" + dir.file(t.navn) + "\rble opprettet" : t.melding);
        EXPECT_EQ(f.Text1.Text(), t.lages ? "" : t.navn);
        if (t.lages) {
            EXPECT_TRUE(std::filesystem::is_directory(dir.file(t.navn)));
            const auto& liste = f.DirsBox.List();
            EXPECT_NE(std::find_if(liste.begin(), liste.end(), [&](const std::string& m) {
                          return std::filesystem::path(m).filename() == t.navn;
                      }), liste.end());
        } else {
            EXPECT_EQ(filer(dir.path()), forMappene);
        }
        EXPECT_EQ(f.DirsBox.Path(), dir.path());
    }
}

} // namespace
} // namespace distest
