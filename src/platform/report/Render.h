#pragma once
// One report over a database: the template's rows, selected by the formula
// and ordered by the sort field, written as an RTF document.
#include <memory>
#include <ostream>
#include <string>

#include "platform/dao/Dao.h"
#include "platform/report/Template.h"

namespace report {

class Report {
public:
    // Checks the template, formula and sort field against the database: 20534
    // when a table or field they name is missing (an older database), 20515
    // when the formula or sort field cannot be read, 20504 for a template
    // that names a table outside the report (ReadTemplate refuses those).
    Report(const ReportTemplate& tpl, dao::Database& db, const std::string& formula, const std::string& sortField);
    ~Report();
    void Write(std::ostream& out);

private:
    struct Plan;
    std::unique_ptr<Plan> plan_;
};

} // namespace report
