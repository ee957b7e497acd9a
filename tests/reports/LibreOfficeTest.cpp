// The report files as LibreOffice lays them out: every shipped template's
// column headings on every page, and no cell text broken over two lines.
#include <filesystem>
#include <sstream>

#include "PdfLeser.h"
#include "database/Schema.h"
#include "RapportfilFixture.h"
#include "platform/report/Template.h"
#include "reports/Rapportfil.h"
#include "state/ProgramState.h"
#include "support/Turneringsbase.h"

namespace rapporttest {
namespace {

namespace fs = std::filesystem;

const std::string kDato = "30. september 2024";   // the widest date of a Norwegian month

// Whether one line of the page holds every heading of the template, in order.
bool HarOverskriftslinje(const std::string& side, const report::ReportTemplate& mal) {
    std::istringstream linjer(side);
    for (std::string linje; std::getline(linjer, linje);) {
        size_t fra = 0;
        bool alle = true;
        for (const auto& k : mal.columns) {
            fra = linje.find(k.heading, fra);
            if (fra == std::string::npos) {
                alle = false;
                break;
            }
            fra += k.heading.size();
        }
        if (alle) return true;
    }
    return false;
}

class LibreOffice : public RapportfilTest {};

TEST_F(LibreOffice, ShippedTemplatesRepeatTheirHeadingsAndHoldEachCellOnOneLine) {
    if (pdftest::Kjor("command -v soffice").empty()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    lagRapportmappe();
    for (int nr = 1; nr <= 80; ++nr)
        kdtest::LeggInnDommer({{"DommerNR", vb::Variant::Integer(nr)}, {"Dommer_FNavn", "Per"}, {"Dommer_ENavn", "Ås"},
                               {"Dommer_Lag", "Lyn"}, {"Dommer_Boccia", true}, {"Dommer_Curling", true}},
                              {"KlB_Dommer1"},
                              {{"Dommer_DatoDKurs", kDato}, {"Dommer_DatoOppdBocKurs", kDato}, {"Dommer_DatoOppdCurKurs", kDato}});
    for (int s = 1; s <= 80; ++s)
        state::DBase.Execute("Insert Into Dommertabell (DommerNR, SekvensNR, Status, TurneringsNavn, Turneringsdato, "
                             "Typespill, Dommer_HLag, Dommer_BLag, Dommer_HPoeng, Dommer_BPoeng) "
                             "Values (1, ?, 0, 'NM', ?, 'CURLING', 'Lyn', 'Ørn', 10, 12)",
                             {vb::Variant::Long(s), kDato});

    std::vector<std::pair<std::string, report::ReportTemplate>> maler;
    std::string filer;
    for (const auto& e : fs::directory_iterator(forms::App.ResourcePath)) {
        if (e.path().extension() != ".rpt") continue;
        const std::string stamme = e.path().stem().string();
        report::CrystalReport kontroll;
        rapportfil::Kjor(kontroll, {"/" + e.path().filename().string(), "+ {dommere.DommerNR}", "", "/Dommerrapport/" + stamme + ".rtf"});
        maler.emplace_back(stamme, report::ReadTemplate(e.path().string(), turneringsdb::Tabelldefinisjoner()));
        filer += " " + pdftest::Sitat(rapport(stamme + ".rtf"));
    }
    ASSERT_EQ(maler.size(), 7u);
    const std::string pdfer = data.file("pdf");
    pdftest::Kjor("soffice --headless -env:UserInstallation=file://" + data.file("lo") + " --convert-to pdf --outdir " +
                  pdftest::Sitat(pdfer) + filer + " >/dev/null 2>&1");

    for (const auto& [stamme, mal] : maler) {
        SCOPED_TRACE(stamme);
        const std::string pdf = pdfer + "/" + stamme + ".pdf";
        ASSERT_GE(pdftest::Sider(pdf), 2);
        std::istringstream sider(pdftest::Tekst(pdf));
        int side = 0;
        for (std::string tekst; std::getline(sider, tekst, '\f');) {
            if (tekst.find_first_not_of(" \n") == std::string::npos) continue;
            ++side;
            EXPECT_TRUE(HarOverskriftslinje(tekst, mal)) << "side " << side << ":\n" << tekst;
            // A date broken over two lines leaves a line with its year alone.
            std::istringstream linjer(tekst);
            for (std::string linje; std::getline(linjer, linje);) {
                if (linje.find("2024") != std::string::npos) {
                    EXPECT_NE(linje.find(kDato), std::string::npos) << linje;
                }
            }
        }
        EXPECT_EQ(side, pdftest::Sider(pdf));
    }
}

} // namespace
} // namespace rapporttest
