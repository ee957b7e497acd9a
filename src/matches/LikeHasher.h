#pragma once
// Why a hand-made hash table and not std::unordered_map: the duplicate search hashes every
// match row (a million in a large register) and looks each one up once. Measured with the
// benchmark of the duplicate search, the growth from 100k to 1M rows is x10.9 with this table
// and x15.5 with std::unordered_map, whose node per entry leaves the cache behind. Keep it.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kamper {

// The ids of the rows whose hashes are alike (hasher[i] belongs to ids[i]), each once: a group's
// first row when its second is met, then each further row, in the order of the rows.
// An open table of 8-byte places (the hash's high bits beside the row's number from 1; 0 is
// free) is filled in one pass, each place fetched ahead, so that the table of a million rows is
// reached from the processor's cache and not at the memory's pace.
std::vector<int64_t> likeHasher(const std::vector<std::size_t>& hasher, const std::vector<int64_t>& ids);

} // namespace kamper
