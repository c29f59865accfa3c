#include "services/drives.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace quillday {

#if defined(_WIN32)

std::optional<DriveType> SystemDriveType(char letter) {
    const char root[] = {letter, ':', '\\', '\0'};
    switch (GetDriveTypeA(root)) {
        case DRIVE_REMOVABLE:
            return DriveType::Removable;
        case DRIVE_FIXED:
            return DriveType::Fixed;
        case DRIVE_REMOTE:
            return DriveType::Network;
        case DRIVE_CDROM:
            return DriveType::Optical;
        case DRIVE_RAMDISK:
            return DriveType::RamDisk;
        case DRIVE_NO_ROOT_DIR:
            return std::nullopt;
        default:
            return DriveType::Unknown;
    }
}

#else

std::optional<DriveType> SystemDriveType(char) {
    return std::nullopt;
}

#endif

std::string FirstFixedDrive(const DriveTypeLookup& lookup) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (lookup(letter) == DriveType::Fixed) {
            return {letter, ':'};
        }
    }
    return {};
}

}  // namespace quillday
