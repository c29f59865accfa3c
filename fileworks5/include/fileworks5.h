/*
 * fileworks5: file utilities with a flat C interface.
 *
 * Measures: compare two files, count the distinct byte values of a buffer,
 * rate how random the bytes of a buffer or a file look (a figure near 0 for
 * constant data, near 1 for random data).
 * Purging: overwrite a file in place, pass after pass, with fixed byte values
 * or pseudo-random data, flushing every 16384-byte block to the medium, and
 * delete it. Path helpers: test whether a new file can be created, find a
 * free numbered file name.
 *
 * Paths are NUL-terminated 8-bit strings (the system code page on Windows).
 * Only regular files are read or written: a FIFO, a device or a folder is
 * refused with the function's "cannot open" code, at once and without
 * waiting for a writer. Files are processed in blocks of 16384 bytes, so
 * memory use does not depend on file size. Every call works on its own
 * buffers: calls from several threads at once are safe (on different
 * files). A null path or buffer is reported with the function's "cannot
 * open" or "no data" code.
 *
 * Overwriting in place does not guarantee that the old data is gone from
 * copy-on-write or journaling filesystems, snapshots, or flash storage with
 * wear levelling.
 *
 * Calling convention: __stdcall on Windows; on 32-bit Windows the functions
 * are exported under their decorated names (_compare_files@8, ...).
 *
 * Sign rule: the whole-number functions report failures as negative results
 * (the FW5_ codes below); note that -1 has a different meaning per function.
 * The randomness functions are the exception: their figure can itself be
 * negative (see randomness_measure), so compare their results with the codes
 * they list, never with 0.
 */
#ifndef FILEWORKS5_H
#define FILEWORKS5_H

#include <stdint.h>

#if defined(_WIN32)
#if defined(FILEWORKS5_DEF_EXPORTS)
#define FW5_API /* the module-definition file names the exports */
#elif defined(FILEWORKS5_BUILDING)
#define FW5_API __declspec(dllexport)
#else
#define FW5_API __declspec(dllimport)
#endif
#define FW5_CALL __stdcall
#else
#define FW5_API __attribute__((visibility("default")))
#define FW5_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes. */
#define FW5_OK 0
#define FW5_IDENTICAL (-1)         /* compare_files: the files are identical (or both empty) */
#define FW5_NO_BYTES (-1)          /* num_different_bytes: length 0 or no buffer */
#define FW5_ERR_NO_PATH (-1)       /* purge functions: path null or empty */
#define FW5_ERR_OPEN_RW (-2)       /* purge: no regular file, or cannot open it to write */
#define FW5_ERR_WRITE (-3)         /* purge: a write of the file's own bytes failed */
#define FW5_ERR_DEL_MISSING (-4)   /* deletion failed: file not found */
#define FW5_ERR_DEL_DENIED (-5)    /* deletion failed: access denied */
#define FW5_ERR_DEL_OTHER (-6)     /* deletion failed otherwise, or the name changed files */
#define FW5_ERR_FLUSH (-7)         /* flushing a block to the medium failed */
#define FW5_ERR_MODE (-8)          /* dd_purge_file: mode outside 0 to 2 */
#define FW5_ERR_BLOCK_SIZE (-9)    /* blockSize is neither -1 nor a multiple of 512 in 512..65536 */
#define FW5_ERR_OPEN (-11)         /* the first (or only) file cannot be opened for reading */
#define FW5_ERR_OPEN_SECOND (-12)  /* compare_files: the second file cannot be opened */
#define FW5_ERR_READ (-12)         /* file_randomness: read error */
#define FW5_ERR_NO_MEMORY (-13)    /* no memory for the pair table */
#define FW5_ERR_NO_PAIR (-13)      /* randomness_measure: a buffer of 1 byte holds no pair */
#define FW5_ERR_NO_DATA (-14)      /* no data: length 0, no buffer, empty file, no complete pair */
#define FW5_ERR_TOO_SHORT (-15)    /* fewer bytes than the caller's minimum */
#define FW5_ERR_NO_TABLE (-16)     /* pair table missing (internal guard) */
#define FW5_ERR_UNDEFINED (-17)    /* the randomness figure is undefined for these bytes */
#define FW5_ERR_READ_FIRST (-21)   /* compare_files: read error on the first file */
#define FW5_ERR_READ_SECOND (-22)  /* compare_files: read error on the second file */
#define FW5_ERR_FIRST_EMPTY (-31)  /* compare_files: first file empty, second not */
#define FW5_ERR_SECOND_EMPTY (-32) /* compare_files: second file empty, first not */
#define FW5_ERR_FAR_OFFSET (-33)   /* compare_files: first difference beyond byte 2147483647 */

/* new_file_creatable results. */
#define FW5_CREATABLE 1
#define FW5_EXISTS 0
#define FW5_NOT_CREATABLE (-1)

/* dd_purge_file modes: what one pass writes. */
#define FW5_MODE_RANDOM 0 /* one pseudo-random overwrite */
#define FW5_MODE_FIXED 1  /* 0xAA, 0x55, 0x0A, 0xF5 in turn */
#define FW5_MODE_MIXED 2  /* 0xAA, 0x55, random, 0x0A, 0xF5, random in turn */

/* blockSize value for "no rounding of the padded length". */
#define FW5_NO_BLOCK_ROUNDING (-1)

/* Compares two files byte by byte.
 * path1, path2: the files, read only.
 * Returns FW5_IDENTICAL when both have the same bytes (also when both are
 * empty); otherwise the 0-based offset of the first byte at which they differ
 * (the length of the shorter one when it is a prefix of the other). A file
 * counts as empty when it holds no bytes, whatever size it records. Errors:
 * FW5_ERR_OPEN (first file missing, unreadable, a directory or null; checked
 * first), FW5_ERR_OPEN_SECOND, FW5_ERR_FIRST_EMPTY, FW5_ERR_SECOND_EMPTY,
 * FW5_ERR_READ_FIRST, FW5_ERR_READ_SECOND, FW5_ERR_FAR_OFFSET. */
FW5_API int32_t FW5_CALL compare_files(const char* path1, const char* path2);

/* Counts the distinct byte values among the first length bytes of buffer.
 * Returns 1 to 256; FW5_NO_BYTES when length is 0 or buffer is null; 0 when
 * length is negative.
 * Example: "aab" with length 3 gives 2. */
FW5_API int32_t FW5_CALL num_different_bytes(const uint8_t* buffer, int32_t length);

/* Rates the randomness of the first length bytes of buffer: near 0 for
 * constant data, near 1 for random data. Only the low seven bits of each byte
 * count, in consecutive pairs (bytes 0 and 1, 2 and 3, ...).
 * minimum: the fewest bytes the caller accepts (the length rounded down to
 * even must reach it).
 * Returns the figure, or as a double: FW5_ERR_NO_DATA (length 0 or negative,
 * or buffer null), FW5_ERR_TOO_SHORT, FW5_ERR_NO_PAIR (length 1),
 * FW5_ERR_NO_MEMORY, FW5_ERR_UNDEFINED.
 * The figure is finite but not confined to 0..1: for data whose pairs are
 * nearly all distinct (up to 16384 pairs, hardly any repeated) it can take
 * any value of either sign. 20000 bytes of distinct pairs in random
 * order give about -0.82, 16386 bytes about -2730. A failure is always one
 * of the codes above, so test for those (result == FW5_ERR_...), not for a
 * negative result.
 * Example: 65536 zero bytes give about 0.0304. */
FW5_API double FW5_CALL randomness_measure(const uint8_t* buffer, int32_t length, int32_t minimum);

/* Rates the randomness of a whole file, as randomness_measure does for a
 * buffer; pairs are formed within each 16384-byte block.
 * minimum: the fewest bytes the caller accepts.
 * Returns the figure, or as a double: FW5_ERR_OPEN (missing, unreadable, a
 * directory or null path), FW5_ERR_NO_MEMORY, FW5_ERR_READ, FW5_ERR_NO_DATA
 * (empty file, or one byte), FW5_ERR_TOO_SHORT, FW5_ERR_UNDEFINED. The
 * figure may be negative as for randomness_measure: compare with the codes. */
FW5_API double FW5_CALL file_randomness(const char* path, int32_t minimum);

/* Overwrites a file in place and deletes it.
 * passes, taken as unsigned: 0 only deletes the name (nothing is opened);
 * 1 to 99 that many pseudo-random passes; 100 to 999 one pseudo-random
 * pass, then 0xAA, 0x55, 0x0A and 0xF5; 1000 and more (every negative value
 * too) one pseudo-random pass.
 * pad: 0 overwrites exactly the file's length; otherwise the length is
 * rounded up to a multiple of blockSize (an empty file counts as 1 byte) and
 * a failing write of the padding beyond the old end is not an error.
 * blockSize: FW5_NO_BLOCK_ROUNDING or a multiple of 512 from 512 to 65536.
 *
 * The file is opened once and every pass goes through that handle; the
 * first failing pass ends the passes. Then the name is deleted, but only
 * while it still names the file that was overwritten: if it was replaced
 * meanwhile (by another file or a link to one), nothing is deleted and the
 * result is FW5_ERR_DEL_OTHER.
 * - A symbolic link is followed: the file it points to is overwritten and
 *   stays, and the link is deleted.
 * - A file with several names (hard links) is overwritten under every name,
 *   since they share its data; only the name given is deleted.
 * - Only regular files are purged. A FIFO, a device or a folder gives
 *   FW5_ERR_OPEN_RW before a byte is written, and its name stays: that
 *   code with the name still present means "not a regular file".
 * - A regular file that cannot be opened for writing (read-only, locked) is
 *   still deleted, as is a file whose passes failed: the result code is then
 *   the only sign that its data stays on the medium.
 * Returns FW5_OK, FW5_ERR_NO_PATH, FW5_ERR_BLOCK_SIZE (nothing touched),
 * FW5_ERR_OPEN_RW, FW5_ERR_WRITE, FW5_ERR_FLUSH, or, when deletion fails
 * (replacing any other code), FW5_ERR_DEL_MISSING, FW5_ERR_DEL_DENIED or
 * FW5_ERR_DEL_OTHER. */
FW5_API int32_t FW5_CALL purge_file(const char* path, int32_t passes, int32_t pad,
                                    int32_t blockSize);

/* Overwrites a file in place, passes times by mode (FW5_MODE_RANDOM,
 * FW5_MODE_FIXED or FW5_MODE_MIXED; none when passes <= 0), then deletes it
 * when del is not 0. pad and blockSize as for purge_file. With passes above
 * 0 the file is opened once, and links, hard links, files that are not
 * regular and the deletion's check of the name behave as for purge_file;
 * with none it is not opened, and del only deletes the name.
 * elapsed: receives the whole seconds the call took (0 on argument errors);
 * may be null.
 * Returns FW5_OK, FW5_ERR_NO_PATH, FW5_ERR_MODE, FW5_ERR_BLOCK_SIZE,
 * FW5_ERR_OPEN_RW, FW5_ERR_WRITE, FW5_ERR_FLUSH, or a deletion code as for
 * purge_file. */
FW5_API int32_t FW5_CALL dd_purge_file(const char* path, int32_t mode, int32_t passes, int32_t del,
                                       int32_t pad, int32_t blockSize, int32_t* elapsed);

/* Tries whether a new file can be created under path, leaving no file behind.
 * Returns FW5_CREATABLE, FW5_EXISTS (something of that name exists), or
 * FW5_NOT_CREATABLE (missing folder, no permission, null path, ...). */
FW5_API int32_t FW5_CALL new_file_creatable(const char* path);

/* Finds the smallest n from 1 to 999 such that prefix followed directly by n
 * in decimal is creatable (see new_file_creatable).
 * Returns n, or 0 when none is, when prefix is null or empty, or memory is
 * short.
 * Example: "/tmp/log." with log.1 and log.2 present gives 3. */
FW5_API int32_t FW5_CALL new_filepath_extension(const char* prefix);

#ifdef __cplusplus
}
#endif

#endif /* FILEWORKS5_H */
