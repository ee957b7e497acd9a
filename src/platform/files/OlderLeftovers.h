#pragma once
// Temporary files that the program's writers left behind before every whole file
// went through WholeFile: the distribution file built as ".KV_Dommere.kvz.<n>.tmp",
// the ranking file as ".RankingListe.rlt.ny", report files and e-mails as
// ".<name>.XXXXXX", copies as ".<name>.kdkopi-XXXXXX". Users of those builds have
// them still. Those writers took no lock a cleaner could test, so a live one is
// told by its holding the file open.
#include <sys/stat.h>

#include <string>

namespace files::detail {

// Whether the name is one of those temporary files, or the journal beside one.
bool IsOlderWriteLeftover(const std::string& name);

// Whether a process of the file's owner (the one that wrote it) holds it open;
// true also when /proc hides even our own descriptors.
bool HeldOpen(const struct stat& file);

} // namespace files::detail
