#pragma once
// Operating-system failures as the runtime's error numbers.
#include <string>

namespace files::detail {

// What is being reached when errno says "no such entry": a file (53) or a folder (76).
enum class Missing { File, Folder };

[[noreturn]] void RaiseErrno(int err, Missing missing = Missing::File);

} // namespace files::detail
