# SPDX-License-Identifier: MIT
# Draws the gallery (when the kwgfx program is given) and runs Doxygen; with CHECK on, any
# warning fails. Run by the docs target and the docs_reference test (docs/CMakeLists.txt).
#   cmake -DDOXYGEN=... -DDOXYFILE=... [-DKWGFX=program] -DGALLERY_DIR=... -DWARN_LOG=...
#         -DCHECK=ON|OFF -P build-docs.cmake

file(MAKE_DIRECTORY ${GALLERY_DIR})
if(KWGFX)
    execute_process(COMMAND ${KWGFX} gallery ${GALLERY_DIR}
        RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "kwgfx gallery failed (${rc}): ${err}")
    endif()
endif()

file(REMOVE ${WARN_LOG})
execute_process(COMMAND ${DOXYGEN} ${DOXYFILE} RESULT_VARIABLE rc
    OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "doxygen failed (${rc}):\n${out}\n${err}")
endif()

set(warnings "")
if(EXISTS ${WARN_LOG})
    file(STRINGS ${WARN_LOG} warnings)
endif()
list(LENGTH warnings count)
get_filename_component(html ${DOXYFILE} DIRECTORY)
if(count EQUAL 0)
    message(STATUS "the reference: ${html}/html/index.html, no warnings")
    return()
endif()
list(JOIN warnings "\n" text)
if(CHECK)
    message(FATAL_ERROR "${count} doxygen warning lines (also in ${WARN_LOG}):\n${text}")
endif()
message(WARNING "${count} doxygen warning lines (in ${WARN_LOG}):\n${text}")
