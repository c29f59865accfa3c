# Cross-compiling for Windows with Debian's MinGW-w64 compilers (the POSIX
# threads variant, which has std::thread and std::mutex) and running the
# results under Wine. QUILLDAY_MINGW_ARCH picks the target: i686 (default,
# 32-bit) or x86_64.
if(NOT QUILLDAY_MINGW_ARCH)
    set(QUILLDAY_MINGW_ARCH i686)
endif()
# try_compile projects read this file again and need the same choice.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUILLDAY_MINGW_ARCH)
set(mingw_triple ${QUILLDAY_MINGW_ARCH}-w64-mingw32)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QUILLDAY_MINGW_ARCH})
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)
set(CMAKE_DLLTOOL ${mingw_triple}-dlltool)

# Libraries and headers come from the target's tree (and from prefixes
# given in CMAKE_PREFIX_PATH); programs run on the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
