# Run by cpack once it has staged each package's files, before it packs them:
# adds what Debian asks of every package beyond the install rules (the
# copyright file and the changelog in usr/share/doc/<package>) and compresses
# the manual pages.
set(readable OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
foreach(component IN LISTS CPACK_COMPONENTS_ALL)
    string(TOUPPER ${component} upper)
    set(package ${CPACK_DEBIAN_${upper}_PACKAGE_NAME})
    set(root ${CPACK_TEMPORARY_DIRECTORY}/${component}${CPACK_PACKAGING_INSTALL_PREFIX})
    if(NOT IS_DIRECTORY ${root})
        message(FATAL_ERROR "No staged files for ${component} in ${root}")
    endif()

    set(docs ${root}/share/doc/${package})
    file(MAKE_DIRECTORY ${docs})
    file(COPY_FILE ${CPACK_QUILLDAY_COPYRIGHT} ${docs}/copyright)
    execute_process(COMMAND gzip -9nc ${CPACK_QUILLDAY_CHANGELOG}
        OUTPUT_FILE ${docs}/changelog.Debian.gz COMMAND_ERROR_IS_FATAL ANY)
    file(CHMOD ${docs}/copyright ${docs}/changelog.Debian.gz PERMISSIONS ${readable})

    file(GLOB_RECURSE pages ${root}/share/man/*.[1-9])
    foreach(page IN LISTS pages)
        execute_process(COMMAND gzip -9nf ${page} COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
endforeach()
