#include "qtview/PrinterBackend.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <utility>

#include "platform/files/Files.h"
#include "platform/forms/Runtime.h"
#include "platform/vb/Err.h"
#include "platform/vb/Format.h"
#include "qtview/Convert.h"

namespace qtview {

namespace {

constexpr double TwipsPerPoint = 20;

double ToTwips(double devicePixels, int resolution) { return devicePixels * 1440.0 / resolution; }
double ToPixels(double twips, int resolution) { return twips * resolution / 1440.0; }

} // namespace

QString ChoosePrinter(const QStringList& installed, const QString& chosen, const QString& systemDefault) {
    if (installed.isEmpty()) return {};
    if (!chosen.isEmpty() && installed.contains(chosen)) return chosen;
    if (!systemDefault.isEmpty() && installed.contains(systemDefault)) return systemDefault;
    return installed.first();
}

// The windows' own mapping of the old faces, so that print and screen agree.
QString PrintFamily(const std::string& name) { return ToQFont(forms::Font{.Name = name}).family(); }

QtPrinterBackend::QtPrinterBackend(std::function<QPrinter*()> chosen)
    : chooser_(std::move(chosen)), installed_([] { return QPrinterInfo::availablePrinterNames(); }) {}

QtPrinterBackend::~QtPrinterBackend() = default;

QPrinter& QtPrinterBackend::target() {
    if (target_) return *target_;
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setDocName(QStringLiteral("KvistrelDommer"));
    chosen_ = chooser_ ? chooser_() : nullptr;
    QString queue;
    // The printer set-up may have chosen a PDF file in place of a printer.
    chosenFile_ = pdfFile_.isEmpty() && chosen_ && chosen_->outputFormat() == QPrinter::PdfFormat
                      ? chosen_->outputFileName()
                      : QString();
    if (pdfFile_.isEmpty() && chosenFile_.isEmpty()) {
        const QString chosenName = chosen_ ? chosen_->printerName() : QString();
        queue = ChoosePrinter(installed_(), chosenName, QPrinterInfo::defaultPrinterName());
    }
    fallback_ = pdfFile_.isEmpty() && chosenFile_.isEmpty() && queue.isEmpty();
    if (!chosenFile_.isEmpty()) {
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setPageLayout(chosen_->pageLayout());
    } else if (queue.isEmpty()) {
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Millimeter));
    } else {
        p->setPrinterName(queue);
        // The settings of the printer set-up go with it (paper, orientation, copies).
        if (chosen_ && chosen_->printerName() == queue) {
            p->setPageLayout(chosen_->pageLayout());
            p->setCopyCount(chosen_->copyCount());
        }
    }
    target_ = std::move(p);
    return *target_;
}

printer::PageSize QtPrinterBackend::pageSize() {
    const QPageLayout layout = target().pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Point);
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    return {paper.width() * TwipsPerPoint, paper.height() * TwipsPerPoint, printable.width() * TwipsPerPoint,
            printable.height() * TwipsPerPoint};
}

// A document uses a handful of fonts, mostly the same one many times running.
std::uint32_t QtPrinterBackend::fontNumber(const printer::Font& font) {
    if (lastFont_ < fonts_.size() && fonts_[lastFont_].font == font) return lastFont_;
    for (std::uint32_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i].font == font) return lastFont_ = i;
    QFont q = ToQFont(forms::Font{.Name = font.Name, .Size = font.Size, .Bold = font.Bold, .Underline = font.Underline});
    fonts_.push_back({font, q, QFontMetricsF(q, &target())});
    return lastFont_ = static_cast<std::uint32_t>(fonts_.size() - 1);
}

double QtPrinterBackend::textWidth(const std::string& text, const printer::Font& font) {
    const std::uint32_t n = fontNumber(font);
    std::string key(reinterpret_cast<const char*>(&n), sizeof n);
    key += text;
    if (const auto it = widths_.find(key); it != widths_.end()) return it->second;
    if (widths_.size() >= 100000) widths_.clear();
    const double width = ToTwips(fonts_[n].metrics.horizontalAdvance(Q(text)), target().resolution());
    widths_.emplace(std::move(key), width);
    return width;
}

double QtPrinterBackend::lineHeight(const printer::Font& font) {
    const FontEntry& f = fonts_[fontNumber(font)];
    return ToTwips(f.metrics.height(), target().resolution());
}

void QtPrinterBackend::startDoc() {
    pages_.assign(1, {});
    texts_.clear();
    target();
}

void QtPrinterBackend::text(const printer::PrintedText& item) {
    pages_.back().push_back({item.x, item.y, fontNumber(item.font), static_cast<std::uint32_t>(item.text.size())});
    texts_ += item.text;
}

void QtPrinterBackend::newPage() { pages_.emplace_back(); }

QString QtPrinterBackend::fallbackPdf() const {
    // The user's own folder in whatever letter case he made it, as the report files find it.
    const QString folder = Q(files::FindInAnyCase(forms::App.Path + forms::ReportFolder));
    if (!QDir().mkpath(folder)) vb::Raise(vb::errnum::PathNotFound, "Finner ikke mappen " + S(folder));
    const QString stem = folder + QStringLiteral("/Utskrift_") + Q(vb::Format(vb::Now(), "yyyymmdd_hhnnss"));
    QString path = stem + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(path); ++n) path = stem + QStringLiteral("_%1.pdf").arg(n);
    return path;
}

void QtPrinterBackend::endDoc() {
    target();
    // The next document looks at the printers again.
    std::unique_ptr<QPrinter> out = std::move(target_);
    auto pages = std::move(pages_);
    const std::string texts = std::move(texts_);
    const std::vector<FontEntry> fonts = std::move(fonts_);
    forget();
    lastPdf_ = fallback_ ? fallbackPdf() : !chosenFile_.isEmpty() ? chosenFile_ : pdfFile_;
    if (!lastPdf_.isEmpty()) out->setOutputFileName(lastPdf_);

    QPainter painter;
    if (!painter.begin(out.get())) vb::Raise(vb::errnum::PrinterError);
    const int res = out->resolution();
    std::uint32_t current = static_cast<std::uint32_t>(fonts.size());
    std::size_t from = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) out->newPage();
        for (const KeptText& t : pages[i]) {
            if (t.font != current) painter.setFont(fonts[current = t.font].qfont);
            painter.drawText(QPointF(ToPixels(t.x, res), ToPixels(t.y, res) + fonts[t.font].metrics.ascent()),
                             QString::fromUtf8(texts.data() + from, static_cast<qsizetype>(t.length)));
            from += t.length;
        }
        // A page drawn is no longer needed.
        std::vector<KeptText>().swap(pages[i]);
    }
    if (!painter.end()) vb::Raise(vb::errnum::PrinterError);
    if (!chosenFile_.isEmpty()) chosen_->setOutputFileName(QString());
    if (fallback_)
        forms::MsgBox("Ingen skriver er installert. Utskriften er lagret som PDF-fil:\r" + S(lastPdf_),
                      forms::vbInformation);
    else if (!chosenFile_.isEmpty())
        forms::MsgBox("Utskriften er lagret som PDF-fil:\r" + S(lastPdf_), forms::vbInformation);
}

std::string QtPrinterBackend::savedFile() const { return S(lastPdf_); }

void QtPrinterBackend::forget() {
    pages_.clear();
    texts_.clear();
    fonts_.clear();
    widths_.clear();
    lastFont_ = 0;
}

void QtPrinterBackend::killDoc() {
    forget();
    target_.reset();
}

} // namespace qtview
