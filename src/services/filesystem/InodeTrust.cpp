#include "services/filesystem/InodeTrust.h"

namespace InodeTrust {

bool stableAcrossMounts(std::uint64_t fileSystemType)
{
    switch (fileSystemType) {
    case 0x65735546: // FUSE
    case 0x4d44: // FAT (msdos, vfat)
    case 0x2011bab0: // exFAT
    case 0xff534d42: // CIFS
    case 0xfe534d42: // SMB2
    case 0x517b: // SMB
    case 0x01021997: // 9p
    case 0: // unknown: fstatfs failed
        return false;
    default:
        return true;
    }
}

} // namespace InodeTrust
