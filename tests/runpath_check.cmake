# cmake -DREADELF=<readelf> -DPROGRAM_RUNPATH=<path> -P runpath_check.cmake <binary>...
# Fails when a binary's RPATH or RUNPATH holds an empty or relative entry:
# the dynamic loader resolves those against the current folder, so a library
# planted there would be loaded in place of ours. Allowed entries are
# absolute folders and those starting with $ORIGIN (the binary's own folder).
# Also fails when a program's RUNPATH is not PROGRAM_RUNPATH, the installed
# engine's folder, or when a shared library (a name with ".so") has one: an
# installed library must not search beside itself.

# The binaries are the arguments after "-P" and the script's path.
set(binaries "")
set(first_binary ${CMAKE_ARGC})
math(EXPR last_argument "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last_argument})
    if(i GREATER_EQUAL first_binary)
        list(APPEND binaries "${CMAKE_ARGV${i}}")
    elseif(CMAKE_ARGV${i} STREQUAL "-P")
        math(EXPR first_binary "${i} + 2")
    endif()
endforeach()
if(NOT binaries)
    message(FATAL_ERROR "No binaries given")
endif()

set(failures "")
foreach(binary IN LISTS binaries)
    execute_process(COMMAND "${READELF}" -d "${binary}"
        OUTPUT_VARIABLE dynamic ERROR_VARIABLE error RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${READELF} -d ${binary} failed: ${error}")
    endif()
    string(REGEX MATCHALL "Library (rpath|runpath): \\[[^]\n]*\\]" paths "${dynamic}")
    set(runpath "")
    if(dynamic MATCHES "Library runpath: \\[([^]\n]*)\\]")
        set(runpath "${CMAKE_MATCH_1}")
    endif()
    get_filename_component(name "${binary}" NAME)
    if(name MATCHES "\\.so" AND NOT runpath STREQUAL "")
        list(APPEND failures "${binary}: a library with the RUNPATH \"${runpath}\"")
    elseif(NOT name MATCHES "\\.so" AND NOT runpath STREQUAL PROGRAM_RUNPATH)
        list(APPEND failures "${binary}: RUNPATH \"${runpath}\", not \"${PROGRAM_RUNPATH}\"")
    endif()
    foreach(path IN LISTS paths)
        string(REGEX REPLACE "^Library [a-z]+: \\[(.*)\\]$" "\\1" joined "${path}")
        if(joined STREQUAL "")
            list(APPEND failures "${binary}: an empty path")
        endif()
        # foreach over LISTS keeps empty items, so "a::b" gives an empty entry.
        string(REPLACE ":" ";" entries "${joined}")
        foreach(entry IN LISTS entries)
            if(NOT entry MATCHES "^(/|\\$ORIGIN(/|$))")
                list(APPEND failures "${binary}: \"${joined}\"")
                break()
            endif()
        endforeach()
    endforeach()
endforeach()

if(failures)
    list(JOIN failures "\n" report)
    message(FATAL_ERROR "Library search paths that reach the current folder or miss "
                        "the engine's:\n${report}")
endif()
