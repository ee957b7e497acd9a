#pragma once
// The selection formula and sort field of a report, made into SQL with bound
// values, never with the formula's text spliced in. The formula language:
// fields written {table.field} (without regard to case), the values True,
// False and whole numbers, "=", AND, OR (AND binds closer), blanks optional.
// A sort field is "+" (ascending) or "-" (descending) and a field.
#include <functional>
#include <string>

#include "platform/dao/Dao.h"
#include "platform/report/Template.h"

namespace report {

// The SQL expression of a field the report may read; raises when it may not.
using FieldResolver = std::function<std::string(const FieldName&)>;

struct SqlCondition {
    std::string sql;       // "" for the empty formula
    dao::Params params;
};

// Raises 20515 for a formula that does not follow the language.
SqlCondition ParseSelection(const std::string& formula, const FieldResolver& resolve);

struct SqlOrder {
    std::string sql;       // "" for no sort field
};
SqlOrder ParseSort(const std::string& sortField, const FieldResolver& resolve);

} // namespace report
