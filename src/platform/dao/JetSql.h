#pragma once
// The program's SQL texts as the old engine read them, made acceptable to
// SQLite, and the shape of a single-table selection (which makes it updatable).
#include <string>
#include <string_view>
#include <vector>

namespace dao::detail {

// Maps the engine's spellings SQLite lacks, outside string literals only:
// "text" literals become 'text', & becomes ||, and the * and ? wildcards of a
// LIKE pattern become % and _. A closing semicolon is dropped.
std::string TranslateSql(std::string_view sql);

// Whether a source text is a query (rather than a table name).
bool IsQuery(std::string_view source);

// A translated SELECT over exactly one table with no grouping, DISTINCT,
// aggregate or parameter in its column list.
struct SelectShape {
    bool single = false;
    std::string schema;              // "" for the main file
    std::string table;               // as written, without brackets
    std::string alias;               // "" when none
    std::vector<std::string> items;  // the column list, one entry per item, as written
    std::string tableRef;            // the FROM item with its alias, as written
    std::string fromOn;              // everything after FROM
    bool hasOrderBy = false;
};
SelectShape ParseSelect(std::string_view translated);

// Whether a column-list item is * or name.*.
bool IsStarItem(std::string_view item);

} // namespace dao::detail
