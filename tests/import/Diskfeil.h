#pragma once
// A failing disk at a chosen moment: while it lives, files SQLite opens through its
// default VFS fail every write with an I/O error once the allowed writes are spent.
namespace importtest {

class Diskfeil {
public:
    Diskfeil();
    ~Diskfeil();
    Diskfeil(const Diskfeil&) = delete;
    Diskfeil& operator=(const Diskfeil&) = delete;
    void TillatSkrivinger(long antall);   // a negative count: every write passes
    long Skrivinger() const;              // writes that passed since the count was set
};

} // namespace importtest
