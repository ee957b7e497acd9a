#include "matches/LikeHasher.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

struct Tilfelle {
    const char* navn;
    std::vector<std::size_t> hasher;
    std::vector<int64_t> like;   // ids are 100 + the row's index
};

std::vector<int64_t> ider(std::size_t n) {
    std::vector<int64_t> ut(n);
    std::iota(ut.begin(), ut.end(), 100);
    return ut;
}

TEST(LikeHasher, ReportsEachRowOfAGroupOnceAndNothingElse) {
    constexpr std::size_t Hoy = std::size_t{1} << 40;   // above the bits that pick a place
    const Tilfelle tilfeller[] = {
        {"none alike", {1, 2, 3}, {}},
        {"a pair", {7, 8, 7}, {100, 102}},
        {"a group of three, the first once", {9, 9, 4, 9}, {100, 101, 103}},
        {"two groups interleaved", {5, 6, 5, 6}, {100, 102, 101, 103}},
        // Same place, same high bits, different hashes: the full hash tells them apart.
        {"same place and high bits", {5, 5 + 1024, 5}, {100, 102}},
        // Same place, different high bits.
        {"same place, other high bits", {7, 7 | Hoy, 7 | Hoy}, {101, 102}},
        // A run of places past the table's end goes on at its start.
        {"probing wraps", {1023, 1023 + 1024, 1023 + 2048, 1023 + 1024}, {101, 103}},
        {"empty", {}, {}},
    };
    for (const Tilfelle& t : tilfeller)
        EXPECT_EQ(kamper::likeHasher(t.hasher, ider(t.hasher.size())), t.like) << t.navn;
}

TEST(LikeHasher, ATableLargerThanTheFirstFindsEveryPair) {
    // Each hash twice, far more rows than the smallest table holds.
    std::vector<std::size_t> hasher;
    for (std::size_t i = 0; i < 5000; ++i) hasher.push_back(i * 0x9E3779B97F4A7C15ull);
    for (std::size_t i = 0; i < 5000; ++i) hasher.push_back(i * 0x9E3779B97F4A7C15ull);
    EXPECT_EQ(kamper::likeHasher(hasher, ider(hasher.size())).size(), 10000u);
}

} // namespace
