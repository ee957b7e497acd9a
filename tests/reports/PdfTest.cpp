// The reports printed through the Qt printer and read back with poppler's tools;
// and one list through the print server to a real queue.
#include <QPrinter>

#include <chrono>
#include <filesystem>
#include <functional>
#include <set>
#include <thread>

#include "PdfLeser.h"
#include "Rapportfixtur.h"
#include "qtview/PrinterBackend.h"
#include "reports/Rapporter.h"
#include "reports/Search_Data.h"
#include "state/ProgramState.h"

namespace rapporttest {
namespace {

namespace fs = std::filesystem;

class PdfTest : public RapportTest {
protected:
    void SetUp() override {
        RapportTest::SetUp();
        leggInn({.nr = 7, .fnavn = "Bjørn", .enavn = "Ødegård", .lag = "Ålesund BK", .boccia = true, .curling = true,
                 .flagg = {"KlB_Dommer1", "KlC_Dommer3"}});
        leggInnKamper(7, 3, "BOCCIA");
    }
    void TearDown() override {
        printer::SetBackend(nullptr);
        RapportTest::TearDown();
    }
    qtview::QtPrinterBackend backend;
};

TEST_F(PdfTest, EveryReportFamilyPrintsReadableNorwegianPages) {
    for (int nr = 100; nr < 190; ++nr) leggInn({.nr = nr, .fnavn = "Fyll", .enavn = "Opp", .boccia = true});
    struct Case { const char* navn; std::function<void()> skriv; int sider; std::string tittel; };
    const Case cases[] = {
        {"liste", [] { Print_Registrerte_Dommere(); }, 2, "Registrerte Boccia dommere (91 stk)"},
        {"status", [] { int16_t spill = 2; Print_Dommerstatus(spill); }, 1, "Dommerstatus for Curling dommere (1 stk)"},
        {"sok",
         [] {
             forms::Default<Dommere_Init>().Text1.SetText("bjø");
             Sok_Navn();
             Print_Sokeresultat();
         },
         1, "Resultat fra søk på Fornavn: bjø"},
        {"dommer", [] { state::ValgtDommer = 7; Print_Dommer_Rapport(); }, 1, "Registrerte data for dommer :"},
        {"antall", [] { Print_Antall_Domte_Kamper(); }, 2, "Oversikt over antall dømte kamper for alle dommere :"},
    };
    register_(2);
    printer::SetBackend(&backend);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.navn);
        const std::string pdf = dir.file(std::string(c.navn) + ".pdf");
        backend.setPdfFile(QString::fromStdString(pdf));
        c.skriv();
        ASSERT_EQ(pdftest::Sider(pdf), c.sider);
        const std::string tekst = pdftest::Tekst(pdf);
        EXPECT_NE(tekst.find(c.tittel), std::string::npos) << tekst.substr(0, 400);
        EXPECT_NE(tekst.find("Bjørn"), std::string::npos);
        EXPECT_NE(tekst.find("Ødegård"), std::string::npos);
        EXPECT_EQ(tekst.find("Side 2") != std::string::npos, c.sider == 2);
        EXPECT_NE(pdftest::Fonter(pdf).find("LiberationSans"), std::string::npos);   // Arial's stand-in
    }
}

// On paper the first row lies below the underlined headings, not across them.
TEST_F(PdfTest, TheMatchCountsFirstRowStartsBelowTheHeadings) {
    register_(2);
    printer::SetBackend(&backend);
    const std::string pdf = dir.file("antall.pdf");
    backend.setPdfFile(QString::fromStdString(pdf));
    Print_Antall_Domte_Kamper();
    const pdftest::Ordboks overskrift = pdftest::Boks(pdf, "Totalt"), rad = pdftest::Boks(pdf, "Bjørn");
    ASSERT_GT(overskrift.yMax, 0);
    ASSERT_GT(rad.yMax, 0);
    EXPECT_GE(rad.yMin, overskrift.yMax - 0.5) << "headings end at " << overskrift.yMax << ", the row starts at " << rad.yMin;
}

// The print server's test queue (see tests/printer/cups): its backend saves each job into a folder.
constexpr const char* Testko = "KvistrelTest";

std::string Jobbmappe() {
    const std::string v = pdftest::Kjor(std::string("lpstat -v ") + Testko + " 2>/dev/null");
    const auto at = v.find("kvistreltest:");
    if (at == std::string::npos) return {};
    std::string mappe = v.substr(at + 13);
    while (!mappe.empty() && std::isspace(static_cast<unsigned char>(mappe.back()))) mappe.pop_back();
    return mappe;
}

std::set<std::string> Jobber(const std::string& mappe) {
    std::set<std::string> ut;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(mappe, ec))
        if (e.path().filename().string().starts_with("job-")) ut.insert(e.path().string());
    return ut;
}

TEST_F(PdfTest, AListPrintedToTheTestQueueArrivesWhole) {
    if (pdftest::Kjor("lpstat -r 2>/dev/null").find("scheduler is running") != 0)
        GTEST_SKIP() << "no print server runs here (CI starts cupsd with tests/printer/cups/start-test-queue.sh)";
    const std::string mappe = Jobbmappe();
    if (mappe.empty()) GTEST_SKIP() << "the print server has no queue " << Testko << " (see tests/printer/cups)";

    const auto for_ = Jobber(mappe);
    QPrinter valgt;
    valgt.setPrinterName(Testko);
    qtview::QtPrinterBackend ko([&valgt] { return &valgt; });
    printer::SetBackend(&ko);
    register_(2);
    Print_Registrerte_Dommere();
    EXPECT_TRUE(ko.lastPdf().isEmpty());
    EXPECT_TRUE(bokser().empty());

    std::string jobb;
    for (int i = 0; i < 300 && jobb.empty(); ++i) {
        for (const auto& j : Jobber(mappe))
            if (!for_.count(j)) jobb = j;
        if (jobb.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_FALSE(jobb.empty()) << "no job arrived in " << mappe;
    const std::string tekst = pdftest::Tekst(jobb);
    EXPECT_NE(tekst.find("Registrerte Boccia dommere (1 stk)"), std::string::npos) << tekst;
    EXPECT_NE(tekst.find("Ødegård"), std::string::npos);
    EXPECT_NE(tekst.find("Side 1"), std::string::npos);
    fs::remove(jobb);
}

} // namespace
} // namespace rapporttest
