#pragma once
// The report templates: text files of "key: value" lines naming the table a
// report reads, its title lines, its columns and, for reports of a detail
// table, the join and the group row. Blank lines and lines starting with "#"
// are skipped. For example:
//
//   table: Dommere
//   detail: Dommertabell on DommerNR where Status < 3
//   paper: A4 landscape
//   title: {versjon.Comm1}
//   group: {dommere.DommerNR}  {dommere.Dommer_FNavn} {dommere.Dommer_ENavn}
//   column: Nr. | 700 | number | {dommere.DommerNR}
//   column: Boc. | 600 | mark | {dommere.Dommer_Boccia}
//   footer: Side {page}
//
// Column formats: text (left), number (right), mark ("X" when the field is
// True, centred). A pattern is literal text with fields written {table.field}.
// The format is described for maintainers in the README.
#include <optional>
#include <string>
#include <vector>

#include "platform/dao/Dao.h"
#include "platform/report/Rtf.h"

namespace report {

struct FieldName {
    std::string table, field;
};

// Literal text and fields, in order; a piece with an empty field is literal.
struct Pattern {
    struct Piece {
        std::string text;
        std::optional<FieldName> field;
    };
    std::vector<Piece> pieces;
    std::vector<FieldName> fields() const;
};

enum class Format { Text, Number, Mark };

struct TemplateColumn {
    std::string heading;
    int width = 0;
    Format format = Format::Text;
    Pattern pattern;
};

struct Detail {
    std::string table;
    std::string key;          // the column both tables share
    std::string limitField;   // rows with limitField < limitBelow only; "" for all rows
    long limitBelow = 0;
};

// The one-row table whose fields the title lines may name.
inline constexpr const char* kTitleTable = "Versjon";

struct ReportTemplate {
    std::string table;
    std::optional<Detail> detail;
    bool landscape = false;
    std::vector<Pattern> titles;   // may name fields of kTitleTable
    std::optional<Pattern> group;
    std::vector<TemplateColumn> columns;
    std::string footer = "Side ";  // the text before the page number
};

// Parses "{table.field}" pieces out of text; false on an unclosed or malformed brace.
bool ParsePattern(const std::string& text, Pattern& out);

// The tables and fields templates may name, with their types: the layout of the
// newest database the program makes. An older database the report reads may
// lack some of them; the run tells that (20534), not the reading.
using Layout = std::vector<dao::TableDef>;

// Reads a template file and checks it against the layout; raises 20504 when it
// is missing, unreadable or faulty, naming the line of the fault.
ReportTemplate ReadTemplate(const std::string& path, const Layout& layout);

} // namespace report
