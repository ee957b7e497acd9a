// The pieces of a printed match row: the result with a side missing, and texts cut by characters.
#include <gtest/gtest.h>

#include "matches/Utskriftslinje.h"

namespace {

TEST(Utskriftslinje, AMissingSideOfTheResultLeavesOnlyItsPlace) {
    EXPECT_EQ(kamper::Resultat(vb::Variant(int16_t{3}), vb::Variant(int16_t{2})), "3 - 2");
    EXPECT_EQ(kamper::Resultat(vb::Null, vb::Variant(int16_t{2})), " - 2");
    EXPECT_EQ(kamper::Resultat(vb::Variant(int16_t{3}), vb::Null), "3 - ");
    EXPECT_EQ(kamper::Resultat(vb::Null, vb::Null), " - ");
    EXPECT_EQ(kamper::Resultat(vb::Variant("10"), vb::Variant(-1)), "10 - -1");
}

TEST(Utskriftslinje, TextsAreCutByCharactersAndNullStaysNull) {
    EXPECT_EQ(kamper::Kutt(vb::Variant("Ørnulf Åsen"), 3), vb::Variant("Ørn"));
    EXPECT_EQ(kamper::Kutt(vb::Variant("Ås"), 2), vb::Variant("Ås"));
    EXPECT_TRUE(kamper::Kutt(vb::Null, 3).IsNull());
    EXPECT_EQ(kamper::Kutt(vb::Variant(12345), 3), vb::Variant("123"));
}

} // namespace
