#pragma once
// A value computed from a database file and kept while the file stands as it was: computed
// again on first use after any write, unless the program's own write told how it changed.
//
//   dao::KeptValue<long> storste;
//   long n = storste.Get(db, [&] { return lesStorste(db); });
//   const dao::ChangeStamp for_ = db.Stamp();
//   db.Execute("Insert ...");
//   storste.AfterWrite(db, for_, [](long& v) { ++v; });
#include <optional>
#include <utility>

#include "platform/dao/Dao.h"

namespace dao {

template <class T> class KeptValue {
public:
    template <class Compute> const T& Get(const Database& db, Compute&& compute) {
        const ChangeStamp now = db.Stamp();
        if (!stamp_ || !(*stamp_ == now)) {
            stamp_.reset();
            value_ = std::forward<Compute>(compute)();
            stamp_ = now;
        }
        return value_;
    }
    // After a write whose whole effect on the value mend describes: the value stays kept when it
    // was current just before the write (before: the stamp then), else it is computed on next use.
    template <class Mend> void AfterWrite(const Database& db, const ChangeStamp& before, Mend&& mend) {
        if (!stamp_ || !(*stamp_ == before)) return Forget();
        std::forward<Mend>(mend)(value_);
        stamp_ = db.Stamp();
    }

    // Computed again on next use.
    void Forget() { stamp_.reset(); }

private:
    std::optional<ChangeStamp> stamp_;
    T value_{};
};

} // namespace dao
