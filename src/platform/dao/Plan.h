#pragma once
// How one source text opens as a recordset, worked out once per connection:
// the translated SQL, its columns with their field types, and for an
// updatable selection the statements that read rows by rowid and write them.
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/dao/Connection.h"

namespace dao::detail {

struct ColumnDesc {
    std::string name;       // as the recordset shows it
    int type = 0;           // field type; 0 for a computed column
    int size = 0;
    int target = -1;        // index into Plan::targets when the column can be written
};

// Column names hashed and compared without regard to case, looked up without a copy.
struct FoldedHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const noexcept;
};
struct FoldedEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept { return SameName(a, b); }
};

struct Plan {
    bool updatable = false;
    std::vector<ColumnDesc> columns;
    // Callers name fields row after row: found by hash, the first of a name winning.
    std::unordered_map<std::string, int, FoldedHash, FoldedEqual> byName;
    void indexNames();                       // once the columns are set
    int find(std::string_view name) const;   // -1 when absent; without regard to case
    // Read-only: every row's values at once.
    std::shared_ptr<Statement> rows;
    // Updatable: the rowids in order, then each row read by its rowid.
    std::shared_ptr<Statement> keys;
    std::shared_ptr<Statement> fetch;
    std::vector<std::string> targets;   // the table's columns that the recordset writes, quoted
    std::string table;                  // "schema"."table"
    std::string insertSql, deleteSql;
};

} // namespace dao::detail
