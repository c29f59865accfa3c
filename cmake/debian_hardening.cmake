# On Debian the binaries are hardened as Debian builds its own packages:
# dpkg-buildflags' preprocessor and linker flags with every hardening
# feature (fortified functions, read-only relocations bound at start-up),
# and the hardening options among its compiler flags. The optimisation and
# debugging flags stay those of the build type. Sanitizer builds go without:
# the fortified functions would hide accesses from AddressSanitizer.
find_program(QUILLDAY_DPKG_BUILDFLAGS dpkg-buildflags)
set(hardening_default OFF)
if(QUILLDAY_DPKG_BUILDFLAGS AND NOT QUILLDAY_SANITIZE AND NOT CMAKE_CROSSCOMPILING AND NOT WIN32)
    set(hardening_default ON)
endif()
option(QUILLDAY_HARDENING "Harden the binaries with dpkg-buildflags' flags" ${hardening_default})

# quillday_buildflags(<variable> <kind>): dpkg-buildflags --get <kind> as a list.
function(quillday_buildflags variable kind)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${QUILLDAY_DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${variable} ${flags} PARENT_SCOPE)
endfunction()

if(QUILLDAY_HARDENING)
    quillday_buildflags(preprocessor_flags CPPFLAGS)
    quillday_buildflags(compiler_flags CXXFLAGS)
    quillday_buildflags(linker_flags LDFLAGS)
    list(FILTER compiler_flags INCLUDE REGEX "^-f(stack-protector|stack-clash-protection|cf-protection)|^-W")
    add_compile_options(${preprocessor_flags} ${compiler_flags})
    add_link_options(${linker_flags})
endif()
