#pragma once
// A stop asked of the program from outside cuts the database work under way short, so
// the program can end at once instead of after a long write: the work fails as on any
// error (3059), its transaction is undone, and the files stay as they were before it.
struct sqlite3;

namespace dao {

// Async-signal-safe: sets a lock-free flag only.
void StopWorkUnderWay() noexcept;
// The program's own close reads and writes again.
void AllowWork() noexcept;

namespace detail {

bool WorkStopped() noexcept;
// Lets a long statement on the connection see the stop while it runs.
void WatchForStop(sqlite3* db);

} // namespace detail
} // namespace dao
