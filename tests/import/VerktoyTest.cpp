// The command-line tool that writes result files, as a newcomer uses it.
#include "Fixture.h"

#include <cstdio>
#include <fstream>

#include "import/HentDommerFil.h"
#include "state/ProgramState.h"

namespace importtest {
namespace {

class Verktoy : public ImportTest {
protected:
    int kjor(const std::string& argumenter, const std::string& rader) {
        const std::string radfil = dir.file("rader.txt");
        std::ofstream(radfil) << rader;
        return std::system((std::string(KD_LAG_RESULTATFIL) + " " + argumenter + " < " + radfil + " > /dev/null 2>&1").c_str());
    }
};

TEST_F(Verktoy, WritesAFileTheImportReads) {
    const std::string sti = datamappe + "/eksempel.dkv";
    ASSERT_EQ(kjor("-n 'NM i Boccia' -d '1. mai 2026' " + sti,
                   "# nr;status;fornavn;etternavn;lag;turnering;dato;spill;hlag;blag;hp;bp\n"
                   "3;0;Kari;Ås;Ørn IL;NM;1. mai 2026;BOCCIA;Lyn;Ørn;3;2\n"
                   "\n"
                   "12;0;;;;NM;1. mai 2026;BOCCIA;Fram;Lyn;;\n"),
              0);
    lesInn(sti);
    EXPECT_EQ(forms::Default<HentDommerFil>().Text3.Text(), "2");
    EXPECT_EQ(forms::Default<HentDommerFil>().Text1(0).Text(), "NM i Boccia");
    EXPECT_EQ(kolonne(dbsti, "Select Dommer_FNavn From Dommertabell Order By SekvensNR"), (std::vector<std::string>{"Kari", ""}));
    EXPECT_EQ(kolonne(dbsti, "Select count(*) From Dommertabell Where Dommer_HPoeng Is Null"), std::vector<std::string>{"1"});
}

TEST_F(Verktoy, RefusesBadRowsAndExistingFiles) {
    const std::string sti = datamappe + "/x.dkv";
    EXPECT_NE(kjor(sti, "3;0;Kari\n"), 0);
    EXPECT_NE(kjor(sti, "3;0;a;b;c;d;e;f;g;h;1;2;for mange\n"), 0);
    EXPECT_FALSE(std::ifstream(sti).good());
    ASSERT_EQ(kjor(sti, "3;0;a;b;c;d;e;f;g;h;1;2\n"), 0);
    EXPECT_NE(kjor(sti, "3;0;a;b;c;d;e;f;g;h;1;2\n"), 0);
}

} // namespace
} // namespace importtest
