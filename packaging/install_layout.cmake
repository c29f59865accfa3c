# Where each part of Quillday goes when installed, and the two functions that
# put a program or a C library there. Install components, one Debian package
# each: "program" (the programs, their engine, guide and desktop data),
# "fileworks5" (the library) and "fileworks5_dev" (its header, pkg-config
# file and CMake package for other programs).

include(CMakePackageConfigHelpers)

# The engine lives in a private library folder: it is Quillday's own, not a
# library for the system's search path. The user guide goes with the
# documentation. On Windows both stay beside the programs.
if(WIN32)
    set(QUILLDAY_ENGINE_DIR ${CMAKE_INSTALL_BINDIR})
    set(QUILLDAY_GUIDE_DIR ${CMAKE_INSTALL_BINDIR})
else()
    set(QUILLDAY_ENGINE_DIR ${CMAKE_INSTALL_LIBDIR}/quillday)
    set(QUILLDAY_GUIDE_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quillday)
endif()

# quillday_path_from_programs(<variable> <folder>): <folder> (relative to the
# install prefix) as seen from the programs' folder, "." for that folder. The
# programs find their engine and guide this way from any install prefix.
function(quillday_path_from_programs variable folder)
    file(RELATIVE_PATH path ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${folder})
    if(path STREQUAL "")
        set(path ".")
    endif()
    set(${variable} ${path} PARENT_SCOPE)
endfunction()

quillday_path_from_programs(QUILLDAY_ENGINE_FROM_PROGRAMS ${QUILLDAY_ENGINE_DIR})
quillday_path_from_programs(QUILLDAY_GUIDE_FROM_PROGRAMS ${QUILLDAY_GUIDE_DIR})

# quillday_use_program_runpath(<target>): the program loads the engine by its
# bare name, which the dynamic loader looks up in the program's RUNPATH: the
# engine's folder, relative to the program's own ($ORIGIN).
function(quillday_use_program_runpath target)
    set_target_properties(${target} PROPERTIES
        INSTALL_RPATH "\$ORIGIN/${QUILLDAY_ENGINE_FROM_PROGRAMS}")
endfunction()

# quillday_install_program(<target>): installs a program into bin/.
function(quillday_install_program target)
    quillday_use_program_runpath(${target})
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
endfunction()

# quillday_install_engine(<target>): installs the calendar engine into its
# private folder with the programs, as a plain module: not executable
# (Debian policy), searching nothing beside itself.
function(quillday_install_engine target)
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "")
    install(TARGETS ${target}
        LIBRARY DESTINATION ${QUILLDAY_ENGINE_DIR} COMPONENT program
            PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
        RUNTIME DESTINATION ${QUILLDAY_ENGINE_DIR} COMPONENT program
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT engine_import_library
            EXCLUDE_FROM_ALL)
endfunction()

# quillday_install_c_library(<target> HEADER <file> DESTINATION <folder>
#     COMPONENT <component> DEV_COMPONENT <component> DESCRIPTION <text>
#     [SOVERSION <n>])
# Installs a shared library with a C interface for other programs: the
# library into DESTINATION (COMPONENT), and into DEV_COMPONENT its header, a
# pkg-config file <target>.pc and a CMake package, so that
# find_package(<target>) gives the imported target <target>::<target>. A
# library outside the system's search path gets that folder as RUNPATH in the
# programs that link it through pkg-config.
function(quillday_install_c_library target)
    cmake_parse_arguments(ARG "" "HEADER;DESTINATION;COMPONENT;DEV_COMPONENT;DESCRIPTION;SOVERSION"
        "" ${ARGN})
    if(ARG_SOVERSION AND NOT WIN32)
        set_target_properties(${target} PROPERTIES VERSION ${ARG_SOVERSION}.0.0
            SOVERSION ${ARG_SOVERSION})
    endif()
    # An installed library searches nothing beside itself.
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "")
    # Shared libraries are not executable (Debian policy).
    install(TARGETS ${target} EXPORT ${target}-targets
        LIBRARY DESTINATION ${ARG_DESTINATION} COMPONENT ${ARG_COMPONENT}
            NAMELINK_COMPONENT ${ARG_DEV_COMPONENT}
            PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${ARG_COMPONENT}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${ARG_DEV_COMPONENT}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
    install(FILES ${ARG_HEADER} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        COMPONENT ${ARG_DEV_COMPONENT})

    # The pkg-config file names the install prefix, which is known only when
    # installing (cmake --install --prefix, cpack): it is configured twice,
    # now for everything else and then for the prefix.
    set(PC_PREFIX "@PC_PREFIX@")
    set(PC_NAME ${target})
    set(PC_DESCRIPTION ${ARG_DESCRIPTION})
    set(PC_LIBDIR ${ARG_DESTINATION})
    set(PC_RUNPATH "")
    if(NOT ARG_DESTINATION STREQUAL CMAKE_INSTALL_LIBDIR AND NOT WIN32)
        set(PC_RUNPATH "-Wl,-rpath,\${libdir} ")
    endif()
    set(pc_template ${CMAKE_CURRENT_BINARY_DIR}/${target}.pc.in)
    set(pc_file ${CMAKE_CURRENT_BINARY_DIR}/${target}.pc)
    configure_file(${QUILLDAY_PACKAGING_DIR}/c_library.pc.in ${pc_template} @ONLY)
    install(CODE "set(PC_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
        configure_file(\"${pc_template}\" \"${pc_file}\" @ONLY)"
        COMPONENT ${ARG_DEV_COMPONENT})
    install(FILES ${pc_file} DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT ${ARG_DEV_COMPONENT})

    set(package_folder ${CMAKE_INSTALL_LIBDIR}/cmake/${target})
    set(LIBRARY_NAME ${target})
    configure_file(${QUILLDAY_PACKAGING_DIR}/c_library-config.cmake.in
        ${CMAKE_CURRENT_BINARY_DIR}/${target}-config.cmake @ONLY)
    write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${target}-config-version.cmake
        VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
    install(EXPORT ${target}-targets NAMESPACE ${target}:: DESTINATION ${package_folder}
        COMPONENT ${ARG_DEV_COMPONENT})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${target}-config.cmake
                  ${CMAKE_CURRENT_BINARY_DIR}/${target}-config-version.cmake
        DESTINATION ${package_folder} COMPONENT ${ARG_DEV_COMPONENT})
endfunction()

set(QUILLDAY_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
