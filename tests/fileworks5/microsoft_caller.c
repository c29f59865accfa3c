/* A program built with Microsoft's conventions that uses fileworks5.dll
 * through an import library made from fileworks5.def. It needs no C
 * runtime: its entry point returns the number of distinct byte values of
 * {1, 2, 3, 1}, 3, as the exit code, and it imports every function, so
 * that Windows binds every name when it loads the program. */
#include "fileworks5.h"

static const void* volatile imported[] = {
    (const void*)compare_files,
    (const void*)num_different_bytes,
    (const void*)randomness_measure,
    (const void*)file_randomness,
    (const void*)purge_file,
    (const void*)dd_purge_file,
    (const void*)new_filepath_extension,
    (const void*)new_file_creatable,
};

int __stdcall start(void) {
    static const uint8_t bytes[] = {1, 2, 3, 1};
    return imported[0] != 0 ? num_different_bytes(bytes, 4) : -1;
}
