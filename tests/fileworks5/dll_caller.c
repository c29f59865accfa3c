/* Binds every export of fileworks5.dll by name through LoadLibrary and
 * GetProcAddress, as a program without the header or the import library
 * does, and calls each once through a __stdcall pointer: 32-bit callers bind
 * the decorated names (_compare_files@8), 64-bit ones the plain names.
 * Prints one line per failure and ends with "N passed, N failed". */
#include <stdint.h>
#include <stdio.h>
#include <windows.h>

#if defined(_WIN64)
#define EXPORT(name, bytes) #name
#else
#define EXPORT(name, bytes) "_" #name "@" #bytes
#endif

typedef int32_t(__stdcall* PathsFn)(const char*, const char*);
typedef int32_t(__stdcall* BufferFn)(const uint8_t*, int32_t);
typedef double(__stdcall* MeasureFn)(const uint8_t*, int32_t, int32_t);
typedef double(__stdcall* FileMeasureFn)(const char*, int32_t);
typedef int32_t(__stdcall* PurgeFn)(const char*, int32_t, int32_t, int32_t);
typedef int32_t(__stdcall* DdPurgeFn)(const char*, int32_t, int32_t, int32_t, int32_t, int32_t,
                                      int32_t*);
typedef int32_t(__stdcall* PathFn)(const char*);
typedef void (*AnyFn)(void); /* casts to and from it are free of warnings */

static int passed;
static int failed;

static void Check(const char* what, double result, double expected) {
    if (result == expected) {
        ++passed;
    } else {
        ++failed;
        printf("%s: %g, expected %g\n", what, result, expected);
    }
}

static AnyFn Bind(HMODULE dll, const char* name) {
    const FARPROC function = GetProcAddress(dll, name);
    Check(name, function != NULL, 1);
    return (AnyFn)function;
}

static void WriteBytes(const char* path, const char* text) {
    FILE* file = fopen(path, "wb");
    if (file != NULL) {
        fputs(text, file);
        fclose(file);
    }
}

int main(void) {
    char folder[MAX_PATH], first[MAX_PATH], second[MAX_PATH], missing[MAX_PATH];
    const uint8_t aab[] = {'a', 'a', 'b'};
    int32_t elapsed = -1;
    const HMODULE dll = LoadLibraryA("fileworks5.dll");
    Check("LoadLibraryA(fileworks5.dll)", dll != NULL, 1);
    if (dll == NULL || GetTempPathA(MAX_PATH, folder) == 0) {
        return 1;
    }
    snprintf(first, MAX_PATH, "%sfw5caller-%lu-a", folder, GetCurrentProcessId());
    snprintf(second, MAX_PATH, "%sfw5caller-%lu-b", folder, GetCurrentProcessId());
    snprintf(missing, MAX_PATH, "%sfw5caller-%lu-missing", folder, GetCurrentProcessId());
    WriteBytes(first, "same bytes");
    WriteBytes(second, "same bytes");

    const PathsFn compare = (PathsFn)Bind(dll, EXPORT(compare_files, 8));
    const BufferFn distinct = (BufferFn)Bind(dll, EXPORT(num_different_bytes, 8));
    const MeasureFn measure = (MeasureFn)Bind(dll, EXPORT(randomness_measure, 12));
    const FileMeasureFn file_measure = (FileMeasureFn)Bind(dll, EXPORT(file_randomness, 8));
    const PurgeFn purge = (PurgeFn)Bind(dll, EXPORT(purge_file, 16));
    const DdPurgeFn dd_purge = (DdPurgeFn)Bind(dll, EXPORT(dd_purge_file, 28));
    const PathFn extension = (PathFn)Bind(dll, EXPORT(new_filepath_extension, 4));
    const PathFn creatable = (PathFn)Bind(dll, EXPORT(new_file_creatable, 4));
    if (failed > 0) {
        return 1;
    }
    Check("compare_files, same bytes", compare(first, second), -1);
    Check("num_different_bytes, aab", distinct(aab, 3), 2);
    Check("randomness_measure, length 0", measure(aab, 0, 0), -14.0);
    Check("file_randomness, missing", file_measure(missing, 0), -11.0);
    Check("new_file_creatable, existing", creatable(first), 0);
    Check("new_filepath_extension", extension(missing), 1);
    Check("dd_purge_file, kept", dd_purge(first, 1, 1, 0, 0, -1, &elapsed), 0);
    Check("compare_files, after a fixed pass", compare(first, second), 0);
    Check("purge_file", purge(first, 1, 0, -1), 0);
    Check("purge_file, deleted", GetFileAttributesA(first) == INVALID_FILE_ATTRIBUTES, 1);
    DeleteFileA(second);
    printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
