# SPDX-License-Identifier: MIT
# Run by cpack on the staged files of the Debian package, before it packs them
# (CPACK_PRE_BUILD_SCRIPTS, set in cmake/KwgfxPackage.cmake): puts the documents where
# Debian's policy wants them, which a plain `cmake --install` has no reason to follow.
#
#   share/doc/<package>/copyright     the machine-readable copyright file (cmake/debian/)
#   share/doc/<package>/changelog.gz  CHANGELOG.md in the form of a Debian changelog (a
#                                     native package's changelog is read as one;
#                                     DebianChangelog.cmake), compressed; the project's
#                                     doc folder (share/doc/kwgfx) goes when that empties it
#   share/man/man1/*.1.gz             the manual pages, compressed
#
# Compressed with gzip -9n: no name and no time stamp in the header, so the same files give
# the same package.

if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
include(${CMAKE_CURRENT_LIST_DIR}/DebianChangelog.cmake)

# The staged tree: the install prefix (/usr) under cpack's temporary directory.
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${root}")
    message(FATAL_ERROR "DebianLayout: no staged files in '${root}'")
endif()

function(gzip_file File)
    execute_process(COMMAND gzip -9nf "${File}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "DebianLayout: gzip ${File} failed (${status})")
    endif()
endfunction()

set(doc "${root}/share/doc/${CPACK_PACKAGE_NAME}")
file(MAKE_DIRECTORY "${doc}")
file(COPY_FILE "${CPACK_KWGFX_COPYRIGHT_FILE}" "${doc}/copyright")

set(changelog "${root}/${CPACK_KWGFX_DOCDIR}/CHANGELOG.md")
if(NOT EXISTS "${changelog}")
    message(FATAL_ERROR "DebianLayout: the changelog is not staged at '${changelog}'")
endif()
kwgfx_debian_changelog("${changelog}" "${doc}/changelog" "${CPACK_PACKAGE_NAME}"
                       "${CPACK_PACKAGE_CONTACT}")
file(REMOVE "${changelog}")
gzip_file("${doc}/changelog")
file(GLOB left "${root}/${CPACK_KWGFX_DOCDIR}/*")
if(NOT left AND NOT "${root}/${CPACK_KWGFX_DOCDIR}" STREQUAL "${doc}")
    file(REMOVE_RECURSE "${root}/${CPACK_KWGFX_DOCDIR}")
endif()

file(GLOB pages "${root}/${CPACK_KWGFX_MANDIR}/man*/*.[1-9]")
foreach(page IN LISTS pages)
    gzip_file("${page}")
endforeach()
