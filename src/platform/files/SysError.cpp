#include "platform/files/SysError.h"

#include <cerrno>

#include "platform/vb/Err.h"

namespace files::detail {

void RaiseErrno(int err, Missing missing) {
    using namespace vb::errnum;
    switch (err) {
    case ENOENT: vb::Raise(missing == Missing::File ? FileNotFound : PathNotFound);
    case ENOTDIR: vb::Raise(PathNotFound);
    case EACCES:
    case EPERM: vb::Raise(PermissionDenied);
    case EEXIST: vb::Raise(FileExists);
    case ENAMETOOLONG: vb::Raise(BadFileName);
    case ENOSPC:
    case EDQUOT:
    case EFBIG: vb::Raise(61);
    case EIO: vb::Raise(57);
    default: vb::Raise(PathFileAccess);
    }
}

} // namespace files::detail
