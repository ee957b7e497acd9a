#include "platform/dao/Stopping.h"

#include <sqlite3.h>

#include <atomic>

namespace dao {

namespace {

std::atomic<bool> g_stopped{false};
static_assert(std::atomic<bool>::is_always_lock_free);

// Often enough that a statement over many rows ends within milliseconds, seldom enough to cost nothing.
constexpr int kStepsBetweenLooks = 1000;

} // namespace

void StopWorkUnderWay() noexcept { g_stopped.store(true); }

void AllowWork() noexcept { g_stopped.store(false); }

namespace detail {

bool WorkStopped() noexcept { return g_stopped.load(std::memory_order_relaxed); }

void WatchForStop(sqlite3* db) {
    sqlite3_progress_handler(db, kStepsBetweenLooks, [](void*) { return WorkStopped() ? 1 : 0; }, nullptr);
}

} // namespace detail
} // namespace dao
