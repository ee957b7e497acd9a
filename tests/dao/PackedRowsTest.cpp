// A read-only recordset keeps its rows packed: every kind of value must come back as it
// was read in, in every row, across the blocks the rows lie in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dao/PackedRows.h"

namespace {

using vb::Variant;

TEST(PackedRows, EveryKindAndLengthComesBackInEveryRow) {
    const std::vector<Variant> kinds = {
        Variant(), vb::Null, Variant(true), Variant(false), Variant::Integer(-32768), Variant::Long(2147483647),
        Variant(1.5f), Variant(-0.1), Variant(""), Variant("Ærlig Åsheim"), Variant(std::string(127, 'a')),
        Variant(std::string(128, 'b')), Variant(std::string("nul\0tab\t", 8)),
    };
    dao::detail::PackedRows rows;
    // Enough rows to fill several blocks, and one text larger than a block.
    const std::size_t many = 30000;
    const Variant huge(std::string(3 << 20, 'h'));
    for (std::size_t r = 0; r < many; ++r) {
        for (const Variant& v : kinds) rows.add(v);
        rows.add(r == many / 2 ? huge : Variant(static_cast<int>(r)));
        rows.endRow();
    }
    for (std::size_t r = 0; r < many; r += 997) {
        for (std::size_t c = 0; c < kinds.size(); ++c) EXPECT_EQ(rows.get(r, c), kinds[c]) << r << "/" << c;
        EXPECT_EQ(rows.get(r, kinds.size()), Variant(static_cast<int>(r)));
    }
    EXPECT_EQ(rows.get(many / 2, kinds.size()), huge);
    EXPECT_EQ(rows.get(many / 2 + 1, kinds.size()), Variant(static_cast<int>(many / 2 + 1)));
    EXPECT_EQ(rows.get(many - 1, 9), kinds[9]);
    // Each value keeps its kind, not only what it reads as.
    EXPECT_EQ(rows.get(0, 4).Type(), vb::VarType::Integer);
    EXPECT_EQ(rows.get(0, 6).Type(), vb::VarType::Single);
}

} // namespace
