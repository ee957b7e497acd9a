#pragma once
// The printer backend of the program: QPainter on a QPrinter, one paint routine
// for a printer queue and a PDF file.
//
//   qtview::QtPrinterBackend backend([&host] { return &host.chosenPrinter(); });
//   printer::SetBackend(&backend);
//
// A document is kept (compactly: its fonts once, its texts in one buffer) until EndDoc
// and only then painted, so a killed document never reaches the printer. Prints go to the printer chosen in the printer
// set-up when it is installed, else to the system default; with no printer
// installed at all they go to a PDF file in the report folder "Dommerrapport"
// (made when missing) and the user is told its full path. A PDF file chosen in the
// printer set-up takes the next document only: the set-up forgets it then, so a
// later print never replaces that file unasked.
//
// A test that paints through this backend sets a PDF file (setPdfFile) or the list of
// installed printers (setInstalledPrinters); otherwise it prints on the machine's printer.
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/printer/Backend.h"

class QPrinter;

namespace qtview {

// The queue a document goes to: the chosen printer when it is installed, else the
// system default, else the first installed one; empty when none is installed.
// (Qt itself would print an unknown name on the default queue, and with no print
// server at all make a PDF without a file.)
QString ChoosePrinter(const QStringList& installed, const QString& chosen, const QString& systemDefault);

// The family a printed font name is drawn with: Arial -> Liberation Sans, Arial
// Narrow -> Liberation Sans Narrow, and the old screen font "MS Sans Serif"
// explicitly (its fallback would be wider).
QString PrintFamily(const std::string& name);

class QtPrinterBackend : public printer::Backend {
public:
    // chosen: the printer of the printer set-up, asked for when a document starts; none
    // (or null from it) for the system default.
    explicit QtPrinterBackend(std::function<QPrinter*()> chosen = {});
    ~QtPrinterBackend() override;
    QtPrinterBackend(const QtPrinterBackend&) = delete;
    QtPrinterBackend& operator=(const QtPrinterBackend&) = delete;

    // Every document to this PDF file, without a message (tests, benchmarks).
    void setPdfFile(const QString& path) { pdfFile_ = path; }
    // The installed printers (tests replace the print server's list).
    void setInstalledPrinters(std::function<QStringList()> list) { installed_ = std::move(list); }
    // The PDF file the last document went to; empty when it went to a printer.
    const QString& lastPdf() const { return lastPdf_; }
    std::string savedFile() const override;

    printer::PageSize pageSize() override;
    double textWidth(const std::string& text, const printer::Font& font) override;
    double lineHeight(const printer::Font& font) override;
    void startDoc() override;
    void text(const printer::PrintedText& item) override;
    void newPage() override;
    void endDoc() override;
    void killDoc() override;

private:
    // A font of the document with what Qt made of it for the current printer.
    struct FontEntry {
        printer::Font font;
        QFont qfont;
        QFontMetricsF metrics;
    };
    // A kept text: its font by number, its UTF-8 bytes next in texts_ (the texts lie there in
    // the order they were printed, so no offset is kept).
    struct KeptText {
        double x, y;
        std::uint32_t font;
        std::uint32_t length;
    };

    QPrinter& target();       // the printer of the coming document, set up on first use
    std::uint32_t fontNumber(const printer::Font& font);
    QString fallbackPdf() const;
    void forget();            // the document and the fonts measured for its printer

    std::vector<FontEntry> fonts_;
    // Widths measured, by font number and text: reports measure the same few texts again and again.
    std::unordered_map<std::string, double> widths_;
    std::uint32_t lastFont_ = 0;
    std::vector<std::vector<KeptText>> pages_;
    std::string texts_;

    std::function<QPrinter*()> chooser_;
    QPrinter* chosen_ = nullptr;   // what chooser_ gave for the coming document
    QString pdfFile_;
    std::function<QStringList()> installed_;
    std::unique_ptr<QPrinter> target_;
    bool fallback_ = false;
    QString chosenFile_;      // the PDF file the printer set-up chose, for the coming document
    QString lastPdf_;
};

} // namespace qtview
