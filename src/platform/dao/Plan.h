#pragma once
// How one source text opens as a recordset, worked out once per connection:
// the translated SQL, its columns with their field types, and for an
// updatable selection the statements that read rows by rowid and write them.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/dao/Connection.h"

namespace dao::detail {

struct ColumnDesc {
    std::string name;       // as the recordset shows it
    int type = 0;           // field type; 0 for a computed column
    int size = 0;
    int target = -1;        // index into Plan::targets when the column can be written
};

struct Plan {
    bool updatable = false;
    std::vector<ColumnDesc> columns;
    int find(std::string_view name) const;   // -1 when absent; without regard to case
    // Read-only: every row's values at once.
    std::shared_ptr<Statement> rows;
    // Updatable: the rowids in order, then each row read by its rowid.
    std::shared_ptr<Statement> keys;
    std::shared_ptr<Statement> fetch;
    std::vector<std::string> targets;   // the table's columns that the recordset writes, quoted
    std::string table;                  // "schema"."table"
    std::string insertSql, deleteSql;
private:
    // Callers name the same few fields row after row, spelt alike each time: a spelling
    // met before is found by its bytes alone.
    static constexpr size_t kSpellingsKept = 32;
    mutable std::vector<std::pair<std::string, int>> spellings_;
    mutable size_t next_ = 0;   // the spelling after the one last found: the likely next
};

} // namespace dao::detail
