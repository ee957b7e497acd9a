#pragma once
// Operating-system failures as the runtime's error numbers.
#include <string>

namespace files::detail {

// What is being reached when errno says "no such entry": a file (53) or a folder (76).
enum class Missing { File, Folder };

// The runtime's number for errno.
int ErrnoNumber(int err, Missing missing = Missing::File);
// An empty description takes the standard text of the number.
[[noreturn]] void RaiseErrno(int err, Missing missing = Missing::File, const std::string& description = {});

} // namespace files::detail
