#include "platform/dao/PackedRows.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace dao::detail {

namespace {

constexpr std::size_t kBlock = std::size_t(1) << 20;

// The kinds, numbered as the Variant's alternatives.
enum Kind : char { Empty, Null, Boolean, Integer, Long, Single, Double, Text };

template <class T>
void appendRaw(std::string& out, T value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.append(bytes, sizeof(T));
}

template <class T>
T readRaw(const char*& p) {
    T value;
    std::memcpy(&value, p, sizeof(T));
    p += sizeof(T);
    return value;
}

std::size_t readLength(const char*& p) {
    std::size_t n = 0;
    for (int shift = 0;; shift += 7) {
        const auto b = static_cast<unsigned char>(*p++);
        n |= static_cast<std::size_t>(b & 0x7f) << shift;
        if (!(b & 0x80)) return n;
    }
}

// Moves p past one value.
void skip(const char*& p) {
    switch (*p++) {
    case Boolean: p += 1; break;
    case Integer: p += 2; break;
    case Long:
    case Single: p += 4; break;
    case Double: p += 8; break;
    case Text: p += readLength(p); break;
    default: break;
    }
}

} // namespace

void PackedRows::add(const vb::Variant& value) {
    row_.push_back(static_cast<char>(value.raw().index()));
    std::visit(
        [this](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::string>) {
                for (std::size_t n = v.size(); ; n >>= 7) {
                    row_.push_back(static_cast<char>(n >= 0x80 ? (n & 0x7f) | 0x80 : n));
                    if (n < 0x80) break;
                }
                row_.append(v);
            } else if constexpr (std::is_same_v<T, bool>) {
                row_.push_back(v ? 1 : 0);
            } else if constexpr (std::is_arithmetic_v<T>) {
                appendRaw(row_, v);
            }
        },
        value.raw());
}

void PackedRows::endRow() {
    if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < row_.size()) {
        blocks_.emplace_back();
        blocks_.back().reserve(std::max(kBlock, row_.size()));
    }
    std::string& block = blocks_.back();
    starts_.push_back({static_cast<std::uint32_t>(blocks_.size() - 1), static_cast<std::uint32_t>(block.size())});
    block.append(row_);
    row_.clear();
}

vb::Variant PackedRows::get(std::size_t row, std::size_t column) const {
    const Start start = starts_[row];
    const char* p = blocks_[start.block].data() + start.offset;
    for (std::size_t c = 0; c < column; ++c) skip(p);
    switch (*p++) {
    case Null: return vb::Null;
    case Boolean: return vb::Variant(*p != 0);
    case Integer: return vb::Variant(readRaw<std::int16_t>(p));
    case Long: return vb::Variant(static_cast<int>(readRaw<std::int32_t>(p)));
    case Single: return vb::Variant(readRaw<float>(p));
    case Double: return vb::Variant(readRaw<double>(p));
    case Text: {
        const std::size_t n = readLength(p);
        return vb::Variant(std::string(p, n));
    }
    default: return vb::Variant();
    }
}

void PackedRows::clear() {
    blocks_ = {};
    starts_ = {};
    row_ = {};
}

} // namespace dao::detail
