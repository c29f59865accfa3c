// The system's side of the fileworks5 tests: counting open handles,
// dropping root's privileges, and a file that cannot be read.
#include "test_files.h"

#if defined(_WIN32)
#include <windows.h>
#else
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

// A pipe whose writer hangs up without writing opens like a file, and every
// read fails with "broken pipe", whether it comes before the hang-up (and
// waits for it) or after.
UnreadableFile::UnreadableFile()
    : path_("\\\\.\\pipe\\fw5test-" + std::to_string(GetCurrentProcessId())) {
    const HANDLE pipe = CreateNamedPipeA(path_.c_str(), PIPE_ACCESS_OUTBOUND,
                                         PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 0, 0, nullptr);
    EXPECT_NE(pipe, INVALID_HANDLE_VALUE) << path_;
    hang_up_ = std::thread([pipe] {
        ConnectNamedPipe(pipe, nullptr);
        CloseHandle(pipe);
    });
}

// A pipe that nobody opened still waits for its client: be that client.
UnreadableFile::~UnreadableFile() {
    const HANDLE client =
        CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    hang_up_.join();
    if (client != INVALID_HANDLE_VALUE) {
        CloseHandle(client);
    }
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

// A process's own memory: nothing is mapped at offset 0, so reading fails.
UnreadableFile::UnreadableFile() : path_("/proc/self/mem") {}

UnreadableFile::~UnreadableFile() = default;

#endif

}  // namespace fw5test
