#include "shared_library.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#endif

namespace datelib::platform {

#if defined(_WIN32)

namespace {
// The system's text for the last error, without the line break that ends
// every such text, so that it reads well inside a sentence.
std::string LastErrorText() {
    const DWORD code = GetLastError();
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, text, sizeof text, nullptr);
    std::string message(text, length);
    message.erase(message.find_last_not_of(" \r\n") + 1);
    return message.empty() ? "error " + std::to_string(code) : message;
}

// LoadLibraryA would also search the current folder, where anyone may
// leave a DLL of the same name. These flags search only the program's
// folder and the system's (and, for a full path, the library's own folder
// for its dependencies).
DWORD SearchFolders(const std::string& path) {
    const bool fullPath = path.find_first_of("\\/") != std::string::npos;
    return fullPath ? DWORD{LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS}
                    : DWORD{LOAD_LIBRARY_SEARCH_DEFAULT_DIRS};
}
}  // namespace

void* OpenLibrary(const std::string& path, std::string& error) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, SearchFolders(path));
    if (module == nullptr) {
        error = LastErrorText();
    }
    return reinterpret_cast<void*>(module);
}

void* FindSymbol(void* library, const char* name, std::string& error) {
    FARPROC symbol = GetProcAddress(static_cast<HMODULE>(library), name);
    if (symbol == nullptr) {
        error = LastErrorText();
    }
    return reinterpret_cast<void*>(symbol);
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) {
        return {};
    }
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string LibraryFileName(const std::string& name) {
    return name + ".dll";
}

#else

void* OpenLibrary(const std::string& path, std::string& error) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* reason = dlerror();
        error = reason != nullptr ? reason : "unknown error";
    }
    return library;
}

void* FindSymbol(void* library, const char* name, std::string& error) {
    dlerror();
    void* symbol = dlsym(library, name);
    if (symbol == nullptr) {
        const char* reason = dlerror();
        error = reason != nullptr ? reason : "the symbol is null";
    }
    return symbol;
}

std::string ProgramFolder() {
    char path[PATH_MAX] = {};
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return {};
    }
    std::string folder(path, static_cast<size_t>(length));
    return folder.substr(0, folder.find_last_of('/') + 1);
}

#if defined(__APPLE__)
std::string LibraryFileName(const std::string& name) {
    return "lib" + name + ".dylib";
}
#else
std::string LibraryFileName(const std::string& name) {
    return "lib" + name + ".so";
}
#endif

#endif

}  // namespace datelib::platform
