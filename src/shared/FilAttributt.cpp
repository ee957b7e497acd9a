#include "shared/FilAttributt.h"

#include "platform/files/Files.h"

namespace shared {

void GjorSkrivbar(const std::string& path) {
    const int ord = files::GetAttr(path);
    if (ord == files::vbReadOnly || ord == files::vbReadOnly + files::vbArchive) files::SetAttr(path, files::vbNormal);
}

} // namespace shared
