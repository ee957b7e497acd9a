#pragma once
// One report drawn from a database: the template's rows, selected by the
// formula and ordered by the sort field, as an RTF document.
#include <string>

#include "platform/dao/Dao.h"
#include "platform/report/Template.h"

namespace report {

// Raises 20534 when the database lacks a table or field the report names,
// 20515 when the formula or sort field cannot be read.
std::string RenderReport(const ReportTemplate& tpl, dao::Database& db, const std::string& formula,
                         const std::string& sortField);

} // namespace report
