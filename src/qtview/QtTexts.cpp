#include "qtview/QtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "qtview/Convert.h"

namespace qtview {

std::string QtTextsFile(const std::string& resourceFolder) { return resourceFolder + "/translations/qt_nb.qm"; }

bool InstallNorwegianQtTexts(const std::string& resourceFolder) {
    // Debian ships Qt's texts in Nynorsk only; they stand in for anything the
    // program's own catalogue lacks. The translator installed last is asked first.
    auto* fallback = new QTranslator(QCoreApplication::instance());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_nb", "qtbase_no", "qtbase_nn"}) {
        if (fallback->load(QLatin1String(name), folder)) {
            QCoreApplication::installTranslator(fallback);
            break;
        }
    }
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(Q(QtTextsFile(resourceFolder)))) return false;
    QCoreApplication::installTranslator(own);
    return true;
}

} // namespace qtview
