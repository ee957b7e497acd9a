#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPrinter>
#include <filesystem>

#include "PdfLeser.h"
#include "platform/forms/Runtime.h"
#include "platform/printer/Printer.h"
#include "qtview/PrinterBackend.h"
#include "reports/Utskriftsside.h"
#include "support/TestEnv.h"

using printer::Printer;

namespace {

TEST(VelgSkriver, TheChosenPrinterOnlyWhenInstalledElseTheDefaultElseAnyNoneMeansPdf) {
    struct Case { QStringList installert; QString valgt, standard, ventet; };
    const Case cases[] = {
        {{}, "Kontor", "Kontor", ""},                        // no printer at all: PDF
        {{"Kontor", "Hall"}, "Hall", "Kontor", "Hall"},
        {{"Kontor", "Hall"}, "Fjernet", "Kontor", "Kontor"},   // removed since the set-up
        {{"Kontor", "Hall"}, "", "Hall", "Hall"},
        {{"Kontor", "Hall"}, "Fjernet", "", "Kontor"},
        {{"Kontor"}, "", "Borte", "Kontor"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qtview::ChoosePrinter(c.installert, c.valgt, c.standard), c.ventet) << c.valgt.toStdString();
}

TEST(SkriftNavn, OldFacesMapToLiberation) {
    EXPECT_EQ(qtview::PrintFamily("Arial"), "Liberation Sans");
    EXPECT_EQ(qtview::PrintFamily("Arial Narrow"), "Liberation Sans Narrow");
    EXPECT_EQ(qtview::PrintFamily("MS Sans Serif"), "Liberation Sans");
}

class QtPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetRuntime();
        printer::ResetPrinter();
        forms::App.Path = dir.path();
        printer::SetBackend(&backend);
    }
    void TearDown() override {
        printer::ResetPrinter();
        forms::ResetRuntime();
    }

    // A page-model list of n rows with a Norwegian name.
    static void liste(int rader) {
        Utskriftsside side(Standardsett, [] {
            Printer.SetFontUnderline(true);
            Printer.SetFontSize(8);
            Printer.SetCurrentX(1000);
            Printer.Print("Nr.", printer::Stay);
            Printer.SetCurrentX(1450);
            Printer.Print("Fornavn");
            Printer.SetFontUnderline(false);
        });
        side.Start();
        side.Tittel("Norges Valmorisk");
        side.Rader();
        for (int i = 1; i <= rader; ++i) {
            Printer.SetCurrentX(Tallposisjon(i, 880, 200, 100));
            Printer.Print(vb::Variant::Integer(i), printer::Stay);
            Printer.SetCurrentX(1450);
            Printer.Print("Bjørn Ærlig Åsheim");
            side.Sideskift();
        }
        side.Slutt();
    }

    kdtest::TempDir dir;
    qtview::QtPrinterBackend backend;
};

TEST_F(QtPrinterTest, WithNoPrinterInstalledThePrintIsAPdfInTheReportFolderAndTheUserIsTold) {
    backend.setInstalledPrinters([] { return QStringList{}; });
    liste(3);
    const std::string pdf = backend.lastPdf().toStdString();
    EXPECT_EQ(pdf, dir.path() + "/Dommerrapport/Utskrift_20261208_081500.pdf");   // named by the pinned clock
    EXPECT_EQ(pdftest::Sider(pdf), 1);
    ASSERT_EQ(forms::Headless().boxes.size(), 1u);
    EXPECT_NE(forms::Headless().boxes[0].prompt.find(pdf), std::string::npos);
    EXPECT_FALSE(Printer.ReachedPrinter());

    liste(3);   // a second print in the same second keeps the first file
    EXPECT_EQ(backend.lastPdf().toStdString(), dir.path() + "/Dommerrapport/Utskrift_20261208_081500_2.pdf");
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(pdf)));
}

TEST_F(QtPrinterTest, APdfFileChosenInThePrinterSetUpTakesTheNextPrintOnlyAndTheUserIsTold) {
    QPrinter valgt;
    qtview::QtPrinterBackend tilValgt([&valgt] { return &valgt; });
    // The set-up runs after the program started, so after the backend was made.
    valgt.setOutputFormat(QPrinter::PdfFormat);
    const std::string pdf = dir.file("valgt.pdf");
    valgt.setOutputFileName(QString::fromStdString(pdf));
    tilValgt.setInstalledPrinters([] { return QStringList{}; });
    printer::SetBackend(&tilValgt);
    liste(3);
    EXPECT_EQ(tilValgt.lastPdf().toStdString(), pdf);
    EXPECT_EQ(pdftest::Sider(pdf), 1);
    EXPECT_FALSE(Printer.ReachedPrinter());
    ASSERT_EQ(forms::Headless().boxes.size(), 1u);
    EXPECT_EQ(forms::Headless().boxes[0].prompt, "Utskriften er lagret som PDF-fil:\r" + pdf);

    // The next, longer print gets a name of its own and leaves the chosen file as it was.
    liste(120);
    EXPECT_EQ(QFileInfo(tilValgt.lastPdf()).absolutePath().toStdString(), dir.path() + "/Dommerrapport");
    EXPECT_EQ(pdftest::Sider(pdf), 1);
    EXPECT_GT(pdftest::Sider(tilValgt.lastPdf().toStdString()), 1);
}

TEST_F(QtPrinterTest, ThePdfGoesIntoTheUsersReportFolderInWhateverCaseHeMadeIt) {
    backend.setInstalledPrinters([] { return QStringList{}; });
    for (const char* made : {"DommerRapport", "DOMMERRAPPORT"}) {
        kdtest::TempDir program;
        forms::App.Path = program.path();
        std::filesystem::create_directory(program.file(made));
        liste(1);
        EXPECT_EQ(QFileInfo(backend.lastPdf()).absolutePath().toStdString(), program.path() + "/" + made);
        // No second folder beside his.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program.path()), std::filesystem::directory_iterator()), 1)
            << made;
    }
}

TEST_F(QtPrinterTest, AKilledDocumentWritesNothing) {
    const std::string pdf = dir.file("drept.pdf");
    backend.setPdfFile(QString::fromStdString(pdf));
    Printer.Print("halv");
    Printer.KillDoc();
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(pdf)));
}

TEST_F(QtPrinterTest, MeasuresInTwipsFromThePrinterFont) {
    backend.setPdfFile(QString::fromStdString(dir.file("m.pdf")));
    Printer.SetFontSize(10);
    const double xxxx = Printer.TextWidth("xxxx");
    EXPECT_GT(xxxx, 200);   // 4 x ~0.5 em at 10 points = ~400 twips
    EXPECT_LT(xxxx, 600);
    Printer.SetFontSize(20);
    EXPECT_NEAR(Printer.TextWidth("xxxx"), 2 * xxxx, 20);
    EXPECT_NEAR(Printer.Width(), 11906, 20);        // A4
    Printer.SetScaleHeight(100);
    EXPECT_GT(Printer.TextHeight("x"), 1);
}

} // namespace
