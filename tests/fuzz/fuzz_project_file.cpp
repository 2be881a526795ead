// Project files: any content reads, and the tree written from what was read names the same members.
#include "app/ProjectFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    const velmora::ProjectMembers members = velmora::readProjectMembers(content);
    const velmora::ProjectMembers reread = velmora::readProjectMembers(velmora::projectTreeText(members));
    for (std::size_t i = 0; i < members.size(); ++i)
        if (reread[i].size() != members[i].size())
            std::abort();
    return 0;
}
