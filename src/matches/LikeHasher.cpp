#include "matches/LikeHasher.h"

#include <algorithm>
#include <bit>

namespace kamper {

std::vector<int64_t> likeHasher(const std::vector<std::size_t>& hasher, const std::vector<int64_t>& ids) {
    constexpr uint64_t Hoy = ~uint64_t{0} << 33;
    constexpr uint64_t Meldt = uint64_t{1} << 32;   // the place's first row is among the answer
    constexpr uint64_t Nummer = Meldt - 1;
    constexpr std::size_t Forut = 16;
    std::vector<uint64_t> plasser(std::bit_ceil(std::max<std::size_t>(hasher.size() + hasher.size() / 2, 1024)));
    const std::size_t maske = plasser.size() - 1;
    std::vector<int64_t> like;
    for (std::size_t rad = 0; rad < hasher.size(); ++rad) {
        if (rad + Forut < hasher.size()) __builtin_prefetch(&plasser[hasher[rad + Forut] & maske]);
        const std::size_t hash = hasher[rad];
        std::size_t i = hash & maske;
        while (plasser[i] != 0 && ((plasser[i] & Hoy) != (hash & Hoy) || hasher[(plasser[i] & Nummer) - 1] != hash))
            i = (i + 1) & maske;
        uint64_t& plass = plasser[i];
        if (plass == 0) {
            plass = (hash & Hoy) | (rad + 1);
            continue;
        }
        if ((plass & Meldt) == 0) like.push_back(ids[(plass & Nummer) - 1]);
        plass |= Meldt;
        like.push_back(ids[rad]);
    }
    return like;
}

} // namespace kamper
