// Finding the first fixed disk, on whose root Windows keeps the settings file.
#ifndef SERVICES_DRIVES_H
#define SERVICES_DRIVES_H

#include <functional>
#include <optional>
#include <string>

namespace quillday {

// The kinds of drive the system reports.
enum class DriveType {
    Unknown,
    Removable,
    Fixed,
    Network,
    Optical,
    RamDisk,
};

// The type of the drive with a letter ('A' to 'Z'), or nothing when there is
// no such drive or it cannot be asked.
using DriveTypeLookup = std::function<std::optional<DriveType>(char letter)>;

// The system's drive types: on Windows the drive-type call; elsewhere there
// are no drive letters and every lookup gives nothing.
std::optional<DriveType> SystemDriveType(char letter);

// The first of "A:" to "Z:" that is a fixed disk, or "" when none is.
std::string FirstFixedDrive(const DriveTypeLookup& lookup = SystemDriveType);

}  // namespace quillday

#endif
