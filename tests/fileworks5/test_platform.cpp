// The system's side of the fileworks5 tests: counting open handles,
// dropping root's privileges, FIFOs and device nodes.
#include "test_files.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace fw5test {

#if defined(_WIN32)

std::ptrdiff_t OpenHandleCount() {
    DWORD count = 0;
    EXPECT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &count));
    return static_cast<std::ptrdiff_t>(count);
}

PermissionsBind::PermissionsBind() = default;
PermissionsBind::~PermissionsBind() = default;

bool MakeFifo(const std::string&) {
    return false;
}

std::string MakeZeroDevice(const std::string&) {
    return "NUL";
}

#else

std::ptrdiff_t OpenHandleCount() {
    const std::filesystem::directory_iterator descriptors("/proc/self/fd");
    return std::distance(begin(descriptors), end(descriptors));
}

constexpr uid_t kNobody = 65534;

PermissionsBind::PermissionsBind() : was_root_(geteuid() == 0) {
    EXPECT_TRUE(!was_root_ || (setegid(kNobody) == 0 && seteuid(kNobody) == 0));
}

PermissionsBind::~PermissionsBind() {
    EXPECT_TRUE(!was_root_ || (seteuid(0) == 0 && setegid(0) == 0));
}

bool MakeFifo(const std::string& path) {
    return mkfifo(path.c_str(), S_IRUSR | S_IWUSR) == 0;
}

std::string MakeZeroDevice(const std::string& path) {
    constexpr unsigned kMemoryDevices = 1;
    constexpr unsigned kZero = 5;
    const bool made =
        mknod(path.c_str(), S_IFCHR | S_IRUSR | S_IWUSR, makedev(kMemoryDevices, kZero)) == 0;
    return made ? path : "";
}

#endif

}  // namespace fw5test
