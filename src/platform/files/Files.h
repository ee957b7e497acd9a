#pragma once
// The file system as the program used it: drives, folder and file lists with
// patterns matched without regard to case, attribute words, copy, folders.
// Paths use "/"; failures raise vb::Err with the runtime's numbers.
#include <string>
#include <vector>

namespace files {

enum Attribute { vbNormal = 0, vbReadOnly = 1, vbHidden = 2, vbSystem = 4, vbDirectory = 16, vbArchive = 32 };

// File-system roots a user can pick: "/" first, then mounted media.
std::vector<std::string> Drives();
// Sub-folders of a folder, sorted without regard to case; hidden ones left out.
std::vector<std::string> Folders(const std::string& folder);
// Plain files of a folder whose names match one of the patterns ("*.KVX", "*.kvx;*.bca"),
// without regard to case, sorted without regard to case.
std::vector<std::string> FilesIn(const std::string& folder, const std::string& pattern);
bool PatternMatches(const std::string& name, const std::string& pattern);

// 1 = the owner may not write, 2 = a dot-file, 16 = a folder; 53 when missing, 52 for a bad name.
int GetAttr(const std::string& path);
// 0 (or any word without 1) gives the owner write permission back; 1 takes it away.
// Never changes other permission bits.
void SetAttr(const std::string& path, int attributes);

bool Exists(const std::string& path);
// Whether path, or a file whose name differs from it only in letter case, exists:
// the old file system held one of them only.
bool ExistsInAnyCase(const std::string& path);
// The path with each part that exists under another letter case spelled as it
// lies on disk; parts that do not exist are kept as given.
std::string FindInAnyCase(const std::string& path);
bool IsFolder(const std::string& path);
// Copies source to target (53 missing source, 70 permission denied, 75 path/file access error,
// 76 target folder missing). Written whole (WholeFile.h).
void FileCopy(const std::string& source, const std::string& target);
// Clears the temporary files of whole-file writers that are gone, and their journals.
void RemoveWriteLeftovers(const std::string& folder);
// Makes the folder and the folders above it that are missing. Raises when the
// path, or one above it, is no folder: a file (75), a link to none (76) or to a
// file (75), with a text naming the path and what lies there.
void MakeFolderPath(const std::string& path);
void MkDir(const std::string& path);    // 75 when it exists, 76 when the parent is missing
void Kill(const std::string& path);     // 53 when missing
void RmDir(const std::string& path);
// The first name in folder matching the pattern, or "" (the runtime's Dir).
std::string Dir(const std::string& pathPattern, int attributes = vbNormal);
// 52 for an empty name or one whose last part holds * or ?.
void CheckFileName(const std::string& name);

// Path pieces.
std::string Join(const std::string& folder, const std::string& name);
std::string BaseName(const std::string& path);   // after the last "/" or "\"
std::string FolderOf(const std::string& path);
std::string HomeFolder();                        // $HOME
std::string DataFolder();                        // ~/KvistrelDommer, the old fixed data folder

} // namespace files
