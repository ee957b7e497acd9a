// Whole-file writes: a failure at any step leaves the target as it was and nothing
// of ours beside it. (Killed writers: the copy and distribution-file kill tests.)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "FilesTestSupport.h"
#include "platform/files/WholeFile.h"
#include "support/FullDisk.h"
#include "support/TestEnv.h"

using namespace filetest;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(WholeFile, EachFailureLeavesTheOldTargetAndNothingBesideIt) {
    const struct {
        const char* what;
        int number;
        std::function<int(const std::string& target)> write;
    } cases[] = {
        {"full disk", 61,
         [](const std::string& target) {
             const std::string answer = kdtest::WithFullDisk(64 << 10, [&] {
                 return std::to_string(ErrorOf([&] {
                     files::WholeFile out(target);
                     out.Write(std::string(1 << 20, 'n'));
                     out.Commit();
                 }));
             });
             return answer.empty() ? -1 : std::stoi(answer);
         }},
        {"a file of the name appeared meanwhile", 58,
         [](const std::string& target) {
             return ErrorOf([&] {
                 files::WholeFile out(target);
                 out.Write("ny");
                 out.Commit(files::WholeFile::Replace::Never);
             });
         }},
        {"the folder is missing", 76,
         [](const std::string& target) { return ErrorOf([&] { files::WholeFile out(target + ".d/x"); }); }},
        {"the target is a folder", 75,
         [](const std::string& target) {
             fs::create_directory(target + ".mappe");
             const int number = ErrorOf([&] { files::WholeFile out(target + ".mappe"); });
             fs::remove(target + ".mappe");
             return number;
         }},
    };
    for (const auto& c : cases) {
        kdtest::TempDir dir;
        const std::string target = dir.write("Rapport.rtf", "gammel");
        EXPECT_EQ(c.write(target), c.number) << c.what;
        EXPECT_EQ(kdtest::ReadFile(target), "gammel") << c.what;
        EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"Rapport.rtf"}) << c.what;
    }
}

TEST(WholeFile, CommitReplacesTheTargetAndDropsAJournalLeftBesideIt) {
    kdtest::TempDir dir;
    const std::string target = dir.write("RankingListe.rlt", "gammel");
    // A journal of the file being replaced would be rolled back into the new one.
    dir.write("RankingListe.rlt-journal", "gammel journal");
    files::WholeFile out(target);
    out.Stream() << "ny " << 42;
    out.Commit();
    EXPECT_EQ(kdtest::ReadFile(target), "ny 42");
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"RankingListe.rlt"});
}

} // namespace
