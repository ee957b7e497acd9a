#pragma once
// A small tournament database, templates written for one test, and the two
// RTF readers (pandoc, unrtf) that read the written files back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dao/Dao.h"
#include "platform/report/CrystalReport.h"
#include "platform/vb/Err.h"
#include "support/RtfReaders.h"
#include "support/TestEnv.h"

namespace reporttest {

// The number of the vb::Err the action raises; 0 when it raises none.
template <class F>
int ErrOf(F&& action) {
    try {
        action();
    } catch (const vb::Err& e) {
        return e.Number;
    }
    return 0;
}

struct Referee {
    int nr;
    std::string first, last, club;
    bool boccia = false, curling = false;
};

using kdtest::PandocRows;
using kdtest::PandocText;
using kdtest::UnrtfText;

class ReportTest : public ::testing::Test {
public:
    void SetUp() override;
    void TearDown() override;

    void add(const Referee& r);
    void addMatch(int nr, int seq, int status, const std::string& tournament);
    void setHeading(const std::string& comm1);
    // A template file in the folder, returning its path.
    std::string tpl(const std::string& name, const std::string& text);
    // The tables of the database, and the table and two flags of a newer layout it lacks.
    report::Layout layout() const;
    // The control set up for a run of the referee list into out/<file>.
    report::CrystalReport control(const std::string& templatePath, const std::string& file = "liste.rtf");

    kdtest::TempDir dir;
    std::string dbPath, outFolder;
    dao::Database db;   // the program's own handle, open while the reports run
};

// A referee list: number, names, club and the two game marks.
extern const char* const kListTemplate;

} // namespace reporttest
