#include "platform/files/SysError.h"

#include <cerrno>

#include "platform/vb/Err.h"

namespace files::detail {

void RaiseErrno(int err, Missing missing, const std::string& description) {
    vb::Raise(ErrnoNumber(err, missing), description);
}

int ErrnoNumber(int err, Missing missing) {
    using namespace vb::errnum;
    switch (err) {
    case ENOENT: return missing == Missing::File ? FileNotFound : PathNotFound;
    case ENOTDIR: return PathNotFound;
    case EACCES:
    case EPERM: return PermissionDenied;
    case EEXIST: return FileExists;
    case ENAMETOOLONG: return BadFileName;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return 61;
    case EIO: return 57;
    default: return PathFileAccess;
    }
}

} // namespace files::detail
