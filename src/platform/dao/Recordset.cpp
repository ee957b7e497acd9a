// Recordsets: a read-only one holds its rows' values; an updatable one holds
// its rows' rowids and reads the current row when asked, so it always shows
// what the file holds, and writes through to the file at once. A forward-only
// one holds its running statement and reads the current row's cells from it.
#include <algorithm>

#include "platform/dao/Errors.h"
#include "platform/dao/PackedRows.h"
#include "platform/dao/Values.h"

namespace dao {

using detail::Fail;

struct RecordsetImpl {
    ~RecordsetImpl() { release(); }
    std::shared_ptr<DatabaseImpl> conn;
    std::shared_ptr<bool> parentClosed;   // the Close of the Database handle it came from
    std::shared_ptr<const detail::Plan> plan;
    bool closed = false;
    size_t width = 0;
    long rows = 0;                        // positions, deleted rows included
    detail::PackedRows values;            // read-only: the rows read in
    std::shared_ptr<detail::Statement> cursor;   // forward-only: on the current row; null once past the last
    bool forward = false;
    std::vector<sqlite3_int64> keys;      // updatable: rowid per position
    std::vector<char> deleted;
    long deletedCount = 0;
    long pos = 0;
    bool bof = true, eof = true;
    std::vector<Variant> current;         // the current row, read at pos
    long currentAt = -1;
    int editMode = 0;
    std::vector<Variant> buffer;
    std::vector<char> dirty;
    std::vector<int> source;              // per written column, the recordset column it takes its value from
    std::shared_ptr<detail::Statement> insert, remove;
    std::vector<std::pair<std::string, std::shared_ptr<detail::Statement>>> updates;   // by dirty pattern

    void check() const {
        if (closed || *parentClosed || !conn->db) Fail(dao::errnum::ObjectInvalid);
    }
    bool onRow() const { return !bof && !eof; }
    void requireRow() const {
        if (!onRow()) Fail(dao::errnum::NoCurrentRecord);
        if (!deleted.empty() && deleted[static_cast<size_t>(pos)]) Fail(dao::errnum::RecordDeleted);
    }
    void requireUpdatable() const {
        if (!plan->updatable) Fail(dao::errnum::CannotUpdate);
    }
    void requireBackward() const {
        if (forward) Fail(dao::errnum::InvalidOperation);
    }
    // Forward-only: to the next row; false (the statement let go) past the last.
    bool stepForward() {
        if (detail::Step(cursor->get())) {
            ++rows;
            return true;
        }
        release();
        return false;
    }
    // A running statement holds the file: it goes as soon as it is not needed.
    void release() noexcept {
        if (cursor && cursor->live()) sqlite3_reset(cursor->get());
        cursor.reset();
    }
    int column(std::string_view name) const {
        const int i = plan->find(name);
        if (i < 0) Fail(dao::errnum::NoSuchItem, name);
        return i;
    }
    void load();
    long visibleAfter(long from) const;
    long visibleBefore(long from) const;
    std::shared_ptr<detail::Statement> updateFor(const std::string& pattern);
    void writeNew();
    void writeChanges();
};

void RecordsetImpl::load() {
    if (currentAt == pos) return;
    detail::Use use(*plan->fetch);
    sqlite3_bind_int64(*use, 1, keys[static_cast<size_t>(pos)]);
    if (!use.step()) Fail(dao::errnum::RecordDeleted);   // gone since the recordset was opened
    current.resize(width);
    for (size_t i = 0; i < width; ++i) current[i] = detail::ReadValue(*use, static_cast<int>(i), plan->columns[i].type);
    currentAt = pos;
}

long RecordsetImpl::visibleAfter(long from) const {
    for (long p = std::max(from, 0L); p < rows; ++p)
        if (deleted.empty() || !deleted[static_cast<size_t>(p)]) return p;
    return -1;
}

long RecordsetImpl::visibleBefore(long from) const {
    for (long p = std::min(from, rows - 1); p >= 0; --p)
        if (deleted.empty() || !deleted[static_cast<size_t>(p)]) return p;
    return -1;
}

std::shared_ptr<detail::Statement> RecordsetImpl::updateFor(const std::string& pattern) {
    for (const auto& [p, stmt] : updates)
        if (p == pattern) return stmt;
    std::string set;
    int mark = 1;
    for (size_t t = 0; t < pattern.size(); ++t)
        if (pattern[t] == '1') set += (set.empty() ? "" : ", ") + plan->targets[t] + " = ?" + std::to_string(mark++);
    auto stmt = conn->statement("UPDATE " + plan->table + " SET " + set + " WHERE rowid = ?" + std::to_string(mark));
    updates.emplace_back(pattern, stmt);
    return stmt;
}

void RecordsetImpl::writeNew() {
    if (!insert) insert = conn->statement(plan->insertSql);
    detail::Use use(*insert);
    // A target written through two columns takes the later one's value.
    source.assign(plan->targets.size(), -1);
    for (size_t i = 0; i < width; ++i)
        if (plan->columns[i].target >= 0 && (dirty[i] || source[static_cast<size_t>(plan->columns[i].target)] < 0))
            source[static_cast<size_t>(plan->columns[i].target)] = static_cast<int>(i);
    for (size_t t = 0; t < source.size(); ++t) {
        const auto i = static_cast<size_t>(source[t]);
        detail::BindStored(*use, static_cast<int>(t + 1), dirty[i] ? buffer[i] : Variant(vb::Null), plan->columns[i]);
    }
    detail::Writing writing(*conn);
    use.step();
    writing.commit();
    keys.push_back(sqlite3_last_insert_rowid(conn->db));
    deleted.push_back(0);
    ++rows;
    if (eof) pos = rows;   // the row that was current before AddNew stays current
}

void RecordsetImpl::writeChanges() {
    std::string pattern(plan->targets.size(), '0');
    source.assign(plan->targets.size(), -1);
    for (size_t i = 0; i < width; ++i) {
        if (!dirty[i]) continue;
        const auto t = static_cast<size_t>(plan->columns[i].target);
        pattern[t] = '1';
        source[t] = static_cast<int>(i);
    }
    if (pattern.find('1') == std::string::npos) return;
    const auto stmt = updateFor(pattern);
    detail::Use use(*stmt);
    int mark = 1;
    for (size_t t = 0; t < source.size(); ++t) {
        if (source[t] < 0) continue;
        const auto i = static_cast<size_t>(source[t]);
        detail::BindStored(*use, mark++, buffer[i], plan->columns[i]);
    }
    sqlite3_bind_int64(*use, mark, keys[static_cast<size_t>(pos)]);
    detail::Writing writing(*conn);
    use.step();
    if (sqlite3_changes(conn->db) == 0) Fail(dao::errnum::RecordDeleted);
    writing.commit();
    currentAt = -1;
}

Recordset Database::OpenRecordset(const std::string& source, int type, const Params& params) {
    if (!IsOpen()) Fail(dao::errnum::ObjectInvalid);
    auto impl = std::make_shared<RecordsetImpl>();
    impl->conn = impl_;
    impl->parentClosed = closed_;
    impl->plan = impl_->plan(source, type != dbOpenSnapshot && type != dbOpenForwardOnly);
    const auto& plan = *impl->plan;
    impl->width = plan.columns.size();
    if (type == dbOpenForwardOnly) {
        impl->cursor = impl_->idle(plan.rows);
        impl->forward = true;
        detail::BindAll(impl->cursor->get(), params);
        impl->stepForward();
    } else if (plan.updatable) {
        detail::Use use(*plan.keys);
        detail::BindAll(*use, params);
        while (use.step()) impl->keys.push_back(sqlite3_column_int64(*use, 0));
        impl->rows = static_cast<long>(impl->keys.size());
        impl->deleted.assign(impl->keys.size(), 0);
    } else {
        // A forward-only recordset of the same text may be running the plan's statement.
        const auto rows = impl_->idle(plan.rows);
        detail::Use use(*rows);
        detail::BindAll(*use, params);
        while (use.step()) {
            for (size_t i = 0; i < impl->width; ++i) impl->values.add(detail::ReadValue(*use, static_cast<int>(i), plan.columns[i].type));
            impl->values.endRow();
            ++impl->rows;
        }
    }
    impl->bof = impl->eof = impl->rows == 0;
    Recordset rs;
    rs.impl_ = std::move(impl);
    return rs;
}

bool Recordset::EOF_() const {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    impl_->check();
    return impl_->eof;
}

bool Recordset::BOF() const {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    impl_->check();
    return impl_->bof;
}

long Recordset::RecordCount() const {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    impl_->check();
    return impl_->rows - impl_->deletedCount;
}

void Recordset::MoveFirst() {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    auto& r = *impl_;
    r.check();
    r.requireBackward();
    r.editMode = 0;
    const long p = r.visibleAfter(0);
    if (p < 0) Fail(dao::errnum::NoCurrentRecord);
    r.pos = p;
    r.bof = r.eof = false;
}

void Recordset::MoveLast() {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    auto& r = *impl_;
    r.check();
    r.requireBackward();
    r.editMode = 0;
    const long p = r.visibleBefore(r.rows - 1);
    if (p < 0) Fail(dao::errnum::NoCurrentRecord);
    r.pos = p;
    r.bof = r.eof = false;
}

void Recordset::MoveNext() {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    auto& r = *impl_;
    r.check();
    if (r.eof) Fail(dao::errnum::NoCurrentRecord);
    r.editMode = 0;
    if (r.forward) {
        r.eof = !r.stepForward();
        return;
    }
    const long p = r.visibleAfter(r.bof ? 0 : r.pos + 1);
    r.bof = false;
    if (p < 0) {
        r.pos = r.rows;
        r.eof = true;
    } else {
        r.pos = p;
    }
}

void Recordset::MovePrevious() {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    auto& r = *impl_;
    r.check();
    r.requireBackward();
    if (r.bof) Fail(dao::errnum::NoCurrentRecord);
    r.editMode = 0;
    const long p = r.visibleBefore(r.eof ? r.rows - 1 : r.pos - 1);
    r.eof = false;
    if (p < 0) {
        r.pos = -1;
        r.bof = true;
    } else {
        r.pos = p;
    }
}

Variant Recordset::Get(std::string_view field) const {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    impl_->check();
    return Get(impl_->column(field));
}

Variant Recordset::Get(int index) const {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    auto& r = *impl_;
    r.check();
    if (index < 0 || static_cast<size_t>(index) >= r.width) Fail(dao::errnum::NoSuchItem, std::to_string(index));
    const auto i = static_cast<size_t>(index);
    const int type = r.plan->columns[i].type;
    if (r.editMode != 0) return detail::Shown(r.buffer[i], type);
    r.requireRow();
    if (r.forward) return detail::ReadValue(r.cursor->get(), index, type);
    if (!r.plan->updatable) return r.values.get(static_cast<size_t>(r.pos), i);
    r.load();
    return r.current[i];
}

void Recordset::Set(std::string_view field, const Variant& value) {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    auto& r = *impl_;
    r.check();
    const auto i = static_cast<size_t>(r.column(field));
    if (r.editMode == 0) Fail(dao::errnum::UpdateWithoutEdit);
    if (r.plan->columns[i].target < 0) Fail(dao::errnum::FieldNotUpdatable, field);
    r.buffer[i] = value;
    r.dirty[i] = 1;
}

int Recordset::FieldIndex(std::string_view field) const {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    impl_->check();
    return impl_->column(field);
}

int Recordset::FieldCount() const {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    impl_->check();
    return static_cast<int>(impl_->width);
}

std::string Recordset::FieldName(int index) const {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    impl_->check();
    if (index < 0 || static_cast<size_t>(index) >= impl_->width) Fail(dao::errnum::NoSuchItem, std::to_string(index));
    return impl_->plan->columns[static_cast<size_t>(index)].name;
}

void Recordset::Edit() {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    auto& r = *impl_;
    r.check();
    r.requireUpdatable();
    r.requireRow();
    r.load();
    r.buffer = r.current;
    r.dirty.assign(r.width, 0);
    r.editMode = 1;
}

void Recordset::AddNew() {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    auto& r = *impl_;
    r.check();
    r.requireUpdatable();
    r.buffer.assign(r.width, Variant(vb::Null));
    r.dirty.assign(r.width, 0);
    r.editMode = 2;
}

void Recordset::Update() {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    auto& r = *impl_;
    r.check();
    if (r.editMode == 0) Fail(dao::errnum::UpdateWithoutEdit);
    // A failed write keeps the edit, as the engine did: the caller may correct it or cancel.
    if (r.editMode == 2) r.writeNew();
    else r.writeChanges();
    r.editMode = 0;
}

void Recordset::CancelUpdate() {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    impl_->check();
    if (impl_->editMode == 0) Fail(dao::errnum::UpdateWithoutEdit);
    impl_->editMode = 0;
}

void Recordset::Delete() {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    auto& r = *impl_;
    r.check();
    r.requireUpdatable();
    r.editMode = 0;
    r.requireRow();
    if (!r.remove) r.remove = r.conn->statement(r.plan->deleteSql);
    bool gone = false;
    {
        detail::Writing writing(*r.conn);
        detail::Use use(*r.remove);
        sqlite3_bind_int64(*use, 1, r.keys[static_cast<size_t>(r.pos)]);
        use.step();
        gone = sqlite3_changes(r.conn->db) > 0;
        writing.commit();
    }
    r.deleted[static_cast<size_t>(r.pos)] = 1;
    ++r.deletedCount;
    r.currentAt = -1;
    if (!gone) Fail(dao::errnum::RecordDeleted);
}

void Recordset::Close() {
    if (!impl_ || impl_->closed) return;
    auto& r = *impl_;
    r.closed = true;
    r.editMode = 0;
    r.release();
    r.values.clear();
    r.keys.clear();
    r.current.clear();
    r.buffer.clear();
    r.insert.reset();
    r.remove.reset();
    r.updates.clear();
}

bool Recordset::Updatable() const {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    impl_->check();
    return impl_->plan->updatable;
}

int Recordset::EditMode() const {
    if (!impl_) Fail(vb::errnum::ObjectNotSet);
    impl_->check();
    return impl_->editMode;
}

} // namespace dao
