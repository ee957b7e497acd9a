#include "qtview/NorwegianFormats.h"

#include <QApplication>
#include <QByteArray>
#include <QDateTime>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QTreeView>
#include <QtGlobal>
#include <clocale>
#include <cstdlib>

namespace qtview {

namespace {

constexpr const char* Norwegian = "nb_NO.UTF-8";
// The categories Qt's system locale takes its formats from.
constexpr const char* FormatCategories[] = {"LC_NUMERIC", "LC_TIME", "LC_MONETARY", "LC_MEASUREMENT", "LC_PAPER"};

// Qt sizes the file chooser's date column for an English date; a Norwegian
// one is wider in most fonts.
class FileDialogDateColumn : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QFileDialog*>(watched))
                if (auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) widen(view);
        return false;
    }

private:
    static void widen(QTreeView* view) {
        constexpr int dateColumn = 3;
        const QString longest = QLocale::system().toString(QDateTime(QDate(2026, 12, 28), QTime(20, 48)), QLocale::ShortFormat);
        const int wanted = view->fontMetrics().horizontalAdvance(longest + QStringLiteral("MMM"));
        if (view->header()->sectionSize(dateColumn) < wanted) view->header()->resizeSection(dateColumn, wanted);
    }
};

} // namespace

NorwegianFormats::NorwegianFormats() {
    // The C library keeps the user's locale (Qt sets it from the environment
    // too, and fails wholesale where no Norwegian locale is installed).
    std::setlocale(LC_ALL, "");
    const auto save = [this](const char* name) {
        const char* value = std::getenv(name);
        saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    };
    save("LC_ALL");
    save("LANG");
    for (const char* category : FormatCategories) save(category);
    // LC_ALL would win over every category: its value becomes the fallback.
    if (const char* all = std::getenv("LC_ALL"); all && *all) qputenv("LANG", all);
    qunsetenv("LC_ALL");
    for (const char* category : FormatCategories) qputenv(category, Norwegian);
}

void NorwegianFormats::applicationMade() {
    (void)QLocale::system();  // read now, while the environment says Norwegian
    // Qt's own calls take the lock its threads read the environment under.
    for (const auto& [name, value] : saved_) {
        if (value)
            qputenv(name.c_str(), QByteArray::fromStdString(*value));
        else
            qunsetenv(name.c_str());
    }
    std::setlocale(LC_ALL, "");
    QLocale::setDefault(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
    qApp->installEventFilter(new FileDialogDateColumn(qApp));
}

} // namespace qtview
