#pragma once
// The database engine as the program used it (workspaces, databases, table
// and field definitions, recordsets), over SQLite. Handles are cheap values that
// share the object behind them, as object references did; a default-made handle
// is Nothing. Every failure raises vb::Err with the engine's number.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "platform/dao/ErrorNumbers.h"
#include "platform/vb/Variant.h"

struct sqlite3_stmt;

namespace dao {

using vb::Variant;

// Field types, numbered as the engine numbers them.
enum DataType { dbBoolean = 1, dbByte = 2, dbInteger = 3, dbLong = 4, dbCurrency = 5, dbSingle = 6,
                dbDouble = 7, dbDate = 8, dbText = 10, dbLongBinary = 11, dbMemo = 12 };
// A forward-only recordset reads its rows from the file as it moves, keeping none: for a
// procedure that only walks forward and writes nothing to the file meanwhile. It cannot
// move back (3219), and counts the rows it has passed.
enum RecordsetType { dbOpenTable = 1, dbOpenDynaset = 2, dbOpenSnapshot = 4, dbOpenForwardOnly = 8 };
// The locale string new tournament databases are made with.
inline constexpr const char* dbLangNorwegian = ";LANGID=0x0414;CP=1252;COUNTRY=0";
inline constexpr int dbVersion30 = 32;

using Params = std::vector<Variant>;   // bound in order to the ? marks of a SQL text

// Where a database file stands: differs after every write to it (rows or schema, committed
// or not, through any connection) and between two openings of a file, so a value computed
// from the file stays true while the stamp it was computed under is the current one.
struct ChangeStamp {
    unsigned long long connection = 0;
    long long changes = 0;
    long long schema = 0;
    long long others = 0;
    bool operator==(const ChangeStamp&) const = default;
};

class Database;
class Recordset;
struct DatabaseImpl;
struct RecordsetImpl;
struct TableDefImpl;

// A column definition: made by TableDef::CreateField, read back from TableDefs.
class Field {
public:
    Field() = default;
    Field(std::string name, int type, int size = 0);
    std::string Name;
    int Type = dbText;
    int Size = 0;                 // Text: characters; 0 takes the default 255 for Text
    bool AllowZeroLength = false; // stored files accept "" in every Text and Memo column
    int OrdinalPosition = 0;
};

class Index {
public:
    std::string Name;              // the name callers use (stored table-qualified)
    std::string FieldName;         // one column
    bool Unique = false;
    bool Primary = false;
    // Indexes.Append wants the column first, as CreateField on the index did.
    void AddField(const std::string& column) { FieldName = column; }
};

// A table definition: new (from CreateTableDef, appended with TableDefs_Append)
// or read back from an open database for inspection.
class TableDef {
public:
    TableDef() = default;
    explicit TableDef(std::string name) : Name(std::move(name)) {}
    std::string Name;
    std::vector<Field> Fields;
    std::vector<Index> Indexes;
    Field CreateField(const std::string& name, int type, int size = 0) const { return Field(name, type, size); }
    Index CreateIndex(const std::string& name) const { Index i; i.Name = name; return i; }
    // For a table not yet appended: adds to the definition (3191 on a second field of one name).
    // For a table of an open database: adds the column or index to the file at once.
    void Fields_Append(const Field& f);
    void Indexes_Append(const Index& i);
    const Field* FindField(const std::string& name) const;   // without regard to case
private:
    friend class Database;
    mutable std::shared_ptr<DatabaseImpl> db_;   // set when the table lies in a database (also by TableDefs_Append)
};

class Recordset {
public:
    Recordset() = default;
    bool IsNothing() const { return !impl_; }
    bool EOF_() const;      // named so because EOF is a macro
    bool BOF() const;
    long RecordCount() const;   // the full count of rows
    void MoveFirst();
    void MoveLast();
    void MoveNext();        // past the last row: EOF; at EOF: 3021
    void MovePrevious();
    // The current row's field, found without regard to case (3265 when absent).
    Variant Get(std::string_view field) const;
    Variant Get(int index) const;
    void Set(std::string_view field, const Variant& value);   // after Edit or AddNew
    int FieldCount() const;
    std::string FieldName(int index) const;
    // The field's index, found as Get finds it: for reading many rows by index.
    int FieldIndex(std::string_view field) const;
    // Proxy so that rs("Navn") reads and rs("Navn") = v writes.
    class FieldRef {
    public:
        FieldRef(Recordset& rs, std::string name) : rs_(rs), name_(std::move(name)) {}
        operator Variant() const { return rs_.Get(name_); }
        Variant Value() const { return rs_.Get(name_); }
        FieldRef& operator=(const Variant& v) { rs_.Set(name_, v); return *this; }
    private:
        Recordset& rs_;
        std::string name_;
    };
    FieldRef operator()(std::string_view field) { return FieldRef(*this, std::string(field)); }
    Variant operator()(std::string_view field) const { return Get(field); }
    void Edit();            // 3021 without a current row; 3027 on a read-only recordset
    void AddNew();
    void Update();          // writes the row; 3163 for an over-long text, 6 for an Integer out of range
    void CancelUpdate();
    void Delete();          // the current row; the position stays on the deleted row until a Move
    void Close();
    bool Updatable() const;
    int EditMode() const;   // 0 none, 1 Edit, 2 AddNew
private:
    friend class Database;
    std::shared_ptr<RecordsetImpl> impl_;
};

// One row of Database::ScanCells, read from the engine cell by cell without a Variant for
// each; valid only during the call that receives it. Every reading agrees with the Variant
// Database::Scan would give for the cell.
class Cells {
public:
    int Count() const;
    Variant Value(int column) const;                        // as Scan gives it
    std::optional<int32_t> Long(int column) const;          // as Value(column).ToLong(); none on Null
    // Appends vb::CStr(Value(column)); false on Null, appending nothing.
    bool AppendText(int column, std::string& to) const;
private:
    friend class Database;
    explicit Cells(sqlite3_stmt* stmt) : stmt_(stmt) {}
    sqlite3_stmt* stmt_;
};

class Database {
public:
    Database() = default;
    bool IsNothing() const { return !impl_; }
    bool IsOpen() const;
    std::string Name() const;     // the file's path
    // Whether the path still leads to the file this handle opened, as this process last
    // left it (not deleted, moved away, replaced or written by another program since).
    bool AsLastLeft() const;
    // A table name or a SQL text; table and dynaset are updatable where the source is one table.
    Recordset OpenRecordset(const std::string& source, int type = dbOpenDynaset, const Params& params = {});
    void Execute(const std::string& sql, const Params& params = {});
    // Reads a query's rows one at a time, keeping none: for a pass over a large table.
    // The values come as a computed column's would.
    void Scan(const std::string& sql, const std::function<void(const std::vector<Variant>&)>& row,
              const Params& params = {}) const;
    // The same pass for a large table whose cells are read as numbers or text.
    void ScanCells(const std::string& sql, const std::function<void(const Cells&)>& row, const Params& params = {}) const;
    long RecordsAffected() const;
    ChangeStamp Stamp() const;
    std::vector<TableDef> TableDefs() const;       // read back: fields in order, indexes
    TableDef TableDef_(const std::string& name) const;   // 3265 when absent
    bool HasTable(const std::string& name) const;
    // "" when the file is whole by SQLite's integrity check; its first finding otherwise.
    std::string Damage() const;
    TableDef CreateTableDef(const std::string& name) const { return TableDef(name); }
    // Creates the table with its fields and indexes (3010 when the table exists, 3196 when in use).
    void TableDefs_Append(const TableDef& def);
    // Closes this handle; the file stays open while another handle on it lives.
    void Close();
    // ATTACH another file under an alias, so one transaction can span both.
    void Attach(const std::string& path, const std::string& alias);
    void Detach(const std::string& alias);
private:
    friend class Workspace;
    friend class TableDef;
    std::shared_ptr<DatabaseImpl> impl_;
    std::shared_ptr<bool> closed_;   // this handle's own Close
};

class Workspace {
public:
    // Never creates a file. 3051 (cannot open: missing, foreign, truncated, a folder,
    // write-protected when not read-only), 3196 (in use by another process).
    Database OpenDatabase(const std::string& path, bool exclusive = true, bool readOnly = false);
    // 3204 when the file exists; never creates missing folders (3044 path not found).
    Database CreateDatabase(const std::string& path, const std::string& locale = dbLangNorwegian,
                            int options = dbVersion30);
    // A new database in an empty file made for it beforehand (the temporary file of a
    // whole-file write, which flushes it to disk itself, so SQLite does not wait for the
    // disk); 3204 when the file is not empty.
    Database CreateDatabaseIn(const std::string& emptyFile);
    // Transactions over every database opened in this workspace.
    void BeginTrans();
    void CommitTrans();
    void Rollback();
    bool InTransaction() const;
    // Closes every database and recordset opened through the workspace (a pending
    // transaction is rolled back); the workspace itself can open files again at once.
    void Close();
};

class DBEngine {
public:
    static Workspace& Workspaces(int index = 0);   // only workspace 0 exists
};

// The engine's type word for a field type ("Text", "Boolean" ...), for inspection.
std::string TypeName(int type);

} // namespace dao
