#include "qtview/PrinterBackend.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

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

QtPrinterBackend::QtPrinterBackend(const QPrinter* chosen)
    : chosen_(chosen), installed_([] { return QPrinterInfo::availablePrinterNames(); }) {}

QtPrinterBackend::~QtPrinterBackend() = default;

QPrinter& QtPrinterBackend::target() {
    if (target_) return *target_;
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setDocName(QStringLiteral("KvistrelDommer"));
    QString queue;
    if (pdfFile_.isEmpty()) {
        const QString chosenName = chosen_ ? chosen_->printerName() : QString();
        queue = ChoosePrinter(installed_(), chosenName, QPrinterInfo::defaultPrinterName());
    }
    fallback_ = pdfFile_.isEmpty() && queue.isEmpty();
    if (queue.isEmpty()) {
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

QFont QtPrinterBackend::qfont(const printer::Font& font) const {
    return ToQFont(forms::Font{.Name = font.Name, .Size = font.Size, .Bold = font.Bold, .Underline = font.Underline});
}

double QtPrinterBackend::textWidth(const std::string& text, const printer::Font& font) {
    QPrinter& p = target();
    return ToTwips(QFontMetricsF(qfont(font), &p).horizontalAdvance(Q(text)), p.resolution());
}

double QtPrinterBackend::lineHeight(const printer::Font& font) {
    QPrinter& p = target();
    return ToTwips(QFontMetricsF(qfont(font), &p).height(), p.resolution());
}

void QtPrinterBackend::startDoc() {
    pages_.assign(1, {});
    target();
}

void QtPrinterBackend::text(const printer::PrintedText& item) { pages_.back().push_back(item); }

void QtPrinterBackend::newPage() { pages_.emplace_back(); }

QString QtPrinterBackend::fallbackPdf() const {
    // The user's own folder in whatever letter case he made it, as the report files find it.
    const QString folder = Q(files::FindInAnyCase(forms::App.Path + "/Dommerrapport"));
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
    pages_.clear();
    lastPdf_ = fallback_ ? fallbackPdf() : pdfFile_;
    if (!lastPdf_.isEmpty()) out->setOutputFileName(lastPdf_);

    QPainter painter;
    if (!painter.begin(out.get())) vb::Raise(vb::errnum::PrinterError);
    const int res = out->resolution();
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) out->newPage();
        for (const printer::PrintedText& t : pages[i]) {
            const QFont f = qfont(t.font);
            painter.setFont(f);
            const double ascent = QFontMetricsF(f, out.get()).ascent();
            painter.drawText(QPointF(ToPixels(t.x, res), ToPixels(t.y, res) + ascent), Q(t.text));
        }
    }
    if (!painter.end()) vb::Raise(vb::errnum::PrinterError);
    if (fallback_)
        forms::MsgBox("Ingen skriver er installert. Utskriften er lagret som PDF-fil:\r" + S(lastPdf_),
                      forms::vbInformation);
}

void QtPrinterBackend::killDoc() {
    pages_.clear();
    target_.reset();
}

} // namespace qtview
