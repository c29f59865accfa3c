// The one place that knows how each platform loads a shared library.
#ifndef DATELIB_SHARED_LIBRARY_H
#define DATELIB_SHARED_LIBRARY_H

#include <string>

namespace datelib::platform {

// Opens a library, never to be closed; returns nullptr and sets error on
// failure. A bare file name is looked for in the calling program's RUNPATH
// (Linux) or beside the program (Windows), then in the system's library
// folders, never in the current folder.
void* OpenLibrary(const std::string& path, std::string& error);

// Looks up an exported name; returns nullptr and sets error on failure.
void* FindSymbol(void* library, const char* name, std::string& error);

// The folder holding the running program, with a trailing separator, or
// empty when it cannot be found.
std::string ProgramFolder();

// The platform's file name for a library called name.
std::string LibraryFileName(const std::string& name);

}  // namespace datelib::platform

#endif
