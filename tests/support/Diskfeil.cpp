#include "support/Diskfeil.h"

#include <sqlite3.h>
#include <unistd.h>

namespace kdtest {

namespace {

sqlite3_vfs* ekte = nullptr;
sqlite3_vfs skim;
long igjen = -1, skrevet = 0;
long synkIgjen = -1, synket = 0;
bool stans = false;

struct Fil {
    sqlite3_file base;
    sqlite3_io_methods metoder;
    sqlite3_file* ekte() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

sqlite3_file* under(sqlite3_file* f) { return reinterpret_cast<Fil*>(f)->ekte(); }

int skriv(sqlite3_file* f, const void* data, int n, sqlite3_int64 hvor) {
    if (igjen == 0) return SQLITE_IOERR_WRITE;
    if (igjen > 0) --igjen;
    ++skrevet;
    return under(f)->pMethods->xWrite(under(f), data, n, hvor);
}

int synk(sqlite3_file* f, int flagg) {
    if (synkIgjen == 0 && stans) ::_exit(0);
    if (synkIgjen == 0) return SQLITE_IOERR_FSYNC;
    if (synkIgjen > 0) --synkIgjen;
    ++synket;
    return under(f)->pMethods->xSync(under(f), flagg);
}

int apne(sqlite3_vfs*, const char* navn, sqlite3_file* f, int flagg, int* ut) {
    auto* fil = reinterpret_cast<Fil*>(f);
    const int rc = ekte->xOpen(ekte, navn, fil->ekte(), flagg, ut);
    const sqlite3_io_methods* m = fil->ekte()->pMethods;
    if (!m) {
        f->pMethods = nullptr;
        return rc;
    }
    // Every call goes on to the real file; only the writes can fail.
    fil->metoder = {m->iVersion,
                    [](sqlite3_file* x) { return under(x)->pMethods->xClose(under(x)); },
                    [](sqlite3_file* x, void* d, int n, sqlite3_int64 o) { return under(x)->pMethods->xRead(under(x), d, n, o); },
                    skriv,
                    [](sqlite3_file* x, sqlite3_int64 s) { return under(x)->pMethods->xTruncate(under(x), s); },
                    synk,
                    [](sqlite3_file* x, sqlite3_int64* s) { return under(x)->pMethods->xFileSize(under(x), s); },
                    [](sqlite3_file* x, int l) { return under(x)->pMethods->xLock(under(x), l); },
                    [](sqlite3_file* x, int l) { return under(x)->pMethods->xUnlock(under(x), l); },
                    [](sqlite3_file* x, int* r) { return under(x)->pMethods->xCheckReservedLock(under(x), r); },
                    [](sqlite3_file* x, int op, void* a) { return under(x)->pMethods->xFileControl(under(x), op, a); },
                    [](sqlite3_file* x) { return under(x)->pMethods->xSectorSize(under(x)); },
                    [](sqlite3_file* x) { return under(x)->pMethods->xDeviceCharacteristics(under(x)); },
                    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
    // No shared memory (a rollback journal only) and no memory-mapped pages.
    fil->metoder.iVersion = 1;
    f->pMethods = &fil->metoder;
    return rc;
}

} // namespace

Diskfeil::Diskfeil() {
    ekte = sqlite3_vfs_find(nullptr);
    skim = *ekte;
    skim.zName = "kd-diskfeil";
    skim.szOsFile = static_cast<int>(sizeof(Fil)) + ekte->szOsFile;
    skim.xOpen = apne;
    sqlite3_vfs_register(&skim, 1);
    igjen = -1;
    synkIgjen = -1;
}

Diskfeil::~Diskfeil() {
    sqlite3_vfs_unregister(&skim);
    sqlite3_vfs_register(ekte, 1);
}

void Diskfeil::TillatSkrivinger(long antall) {
    igjen = antall;
    skrevet = 0;
}

long Diskfeil::Skrivinger() const { return skrevet; }

void Diskfeil::TillatSynkroniseringer(long antall) {
    synkIgjen = antall;
    synket = 0;
    stans = false;
}

void Diskfeil::StansVedSynkronisering(long tillatte) {
    TillatSynkroniseringer(tillatte);
    stans = true;
}

long Diskfeil::Synkroniseringer() const { return synket; }

} // namespace kdtest

