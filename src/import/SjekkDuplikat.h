#pragma once
// The duplicate test of an import.
#include <cstdint>

// During an import, with the file attached: marks every status-0 row whose match is
// already live for its referee (or came earlier in the file) with status 4, inside the
// import's transaction. Counts into AntallDuplikater and sets DuplikatFunnet when it found any.
void Sjekk_Duplikat();

namespace innlesing {

inline int16_t DuplikatFunnet = 0;
inline int32_t AntallDuplikater = 0;

} // namespace innlesing
