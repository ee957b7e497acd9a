#include "platform/report/CrystalReport.h"

#include <memory>

#include "platform/dao/Dao.h"
#include "platform/files/Files.h"
#include "platform/files/WholeFile.h"
#include "platform/report/Render.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/Template.h"
#include "platform/vb/Err.h"

namespace report {

namespace {

const std::string& at(const std::vector<std::string>& list, int index) {
    static const std::string none;
    return index >= 0 && static_cast<size_t>(index) < list.size() ? list[static_cast<size_t>(index)] : none;
}

void put(std::vector<std::string>& list, int index, const std::string& value) {
    if (index < 0) vb::Raise(vb::errnum::SubscriptOutOfRange);
    if (static_cast<size_t>(index) >= list.size()) list.resize(static_cast<size_t>(index) + 1);
    list[static_cast<size_t>(index)] = value;
}

// The data file through the program's own connection when it holds the file open.
dao::Database openData(const std::string& path) {
    if (path.empty()) vb::Raise(errnum::CannotOpenData, "Ingen datafil er oppgitt for rapporten");
    try {
        return dao::DBEngine::Workspaces(0).OpenDatabase(path);
    } catch (const vb::Err& e) {
        vb::Raise(errnum::CannotOpenData, "Kan ikke åpne datafilen '" + path + "': " + e.Description);
    }
}

// A failure of the report file's own write. Only a missing folder is 20507, which the
// windows answer with their advice to make the folder; a full disk, an I/O error or a
// refused write keeps its own number, and the text tells its reason.
[[noreturn]] void cannotWrite(const std::string& path, const vb::Err& e) {
    vb::Raise(e.Number == vb::errnum::PathNotFound ? errnum::CannotWriteOutput : e.Number,
              "Kan ikke skrive rapportfilen '" + path + "': " + e.Description);
}

} // namespace

const std::string& CrystalReport::DataFiles(int index) const { return at(dataFiles_, index); }
void CrystalReport::SetDataFiles(int index, const std::string& path) { put(dataFiles_, index, path); }
const std::string& CrystalReport::SortFields(int index) const { return at(sortFields_, index); }
void CrystalReport::SetSortFields(int index, const std::string& field) { put(sortFields_, index, field); }

void CrystalReport::SetAction(int action) {
    action_ = action;
    if (action != 1) return;
    const ReportTemplate tpl = ReadTemplate(files::FindInAnyCase(ReportFileName), DatabaseLayout);
    dao::Database db = openData(DataFiles(0));
    struct Release {
        dao::Database& db;
        ~Release() { db.Close(); }
    } release{db};
    Report report(tpl, db, SelectionFormula, SortFields(0));
    const std::string path = files::FindInAnyCase(PrintFileName);
    std::unique_ptr<files::WholeFile> out;
    try {
        out = std::make_unique<files::WholeFile>(path);
    } catch (const vb::Err& e) {
        cannotWrite(path, e);
    }
    report.Write(out->Stream());
    try {
        out->Commit();
    } catch (const vb::Err& e) {
        cannotWrite(path, e);
    }
}

} // namespace report
