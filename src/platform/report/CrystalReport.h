#pragma once
// The report-template control a form carries: the program sets its data file,
// template, sort field, selection formula and output file, then sets Action
// to 1, which writes the report as an RTF file before it returns. Values not
// set for a run keep those of the previous run on the same control. Failures
// raise vb::Err with the control's numbers (ReportErrors.h).
#include <string>
#include <vector>

#include "platform/report/Template.h"

namespace report {

class CrystalReport {
public:
    const std::string& DataFiles(int index) const;
    void SetDataFiles(int index, const std::string& path);
    const std::string& SortFields(int index) const;
    void SetSortFields(int index, const std::string& field);

    std::string ReportFileName;     // the template; found without regard to case
    Layout DatabaseLayout;          // what its templates may name (Template.h)
    std::string SelectionFormula;   // "" selects every row
    std::string PrintFileName;      // the RTF file written
    // The preview window's place; kept for the program's sake, no window is shown.
    int WindowLeft = 0, WindowTop = 0, WindowWidth = 0, WindowHeight = 0;

    int Action() const { return action_; }
    // 1 runs the report now.
    void SetAction(int action);

private:
    std::vector<std::string> dataFiles_{""};
    std::vector<std::string> sortFields_{""};
    int action_ = 0;
};

} // namespace report
