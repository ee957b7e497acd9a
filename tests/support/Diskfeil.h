#pragma once
// A failing disk at a chosen moment: while it lives, files SQLite opens through its
// default VFS fail every write (or every sync) with an I/O error once the allowed
// writes (or syncs) are spent.
namespace kdtest {

class Diskfeil {
public:
    Diskfeil();
    ~Diskfeil();
    Diskfeil(const Diskfeil&) = delete;
    Diskfeil& operator=(const Diskfeil&) = delete;
    void TillatSkrivinger(long antall);   // a negative count: every write passes
    long Skrivinger() const;              // writes that passed since the count was set
    void TillatSynkroniseringer(long antall);   // the same for syncs to disk
    long Synkroniseringer() const;
    // The process ends at once at the sync after the allowed ones, as one killed there.
    void StansVedSynkronisering(long tillatte);
};

} // namespace kdtest
