#pragma once
// The rows of a read-only recordset, packed: each value is its kind in one byte and then
// its bytes (a text its length first, seven bits a byte), row after row in large blocks.
// A row read in costs about the bytes the file stores for it, not a Variant a value, so a
// recordset over a result file of half a million rows stays small.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/vb/Variant.h"

namespace dao::detail {

class PackedRows {
public:
    void add(const vb::Variant& value);   // the next value of the row being read in
    void endRow();
    vb::Variant get(std::size_t row, std::size_t column) const;
    void clear();                          // and gives the memory back

private:
    struct Start {
        std::uint32_t block, offset;
    };
    std::vector<std::string> blocks_;      // each keeps its capacity, so rows never move
    std::vector<Start> starts_;
    std::string row_;
};

} // namespace dao::detail
