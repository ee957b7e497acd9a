#pragma once
// Referee numbers as typed: the leading number of the text, admitted only as a
// whole number from 1 to 999 (the range of the register).
#include <cstdint>
#include <optional>
#include <string_view>

inline constexpr int MinsteDommernummer = 1;
inline constexpr int StorsteDommernummer = 999;

// The number, or nothing for "abc", "12.5", "0", "99999" and the like.
std::optional<int16_t> GyldigDommernummer(std::string_view tekst);
// The same test for a stored value (Null, fractions and numbers outside the range fail).
std::optional<int16_t> GyldigDommernummer(double verdi);
