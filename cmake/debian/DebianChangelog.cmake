# SPDX-License-Identifier: MIT
# CHANGELOG.md as a Debian changelog, the form a native package's changelog.gz must have.
#
#   kwgfx_debian_changelog(MARKDOWN OUT PACKAGE MAINTAINER)
#   cmake -DMARKDOWN=CHANGELOG.md -DOUT=changelog -DPACKAGE=libkwgfx-dev
#         -DMAINTAINER="Name <address>" -P DebianChangelog.cmake
#
# One entry per "## VERSION (DATE)" or "## VERSION (unreleased)" section, in the file's
# order (newest first). Its text becomes the entry's lines, wrapped to 78 columns: a
# paragraph or a list item under no "###" heading is a "  * " item, a "###" heading is a
# "  * Heading:" item and the list items under it "    - " items. Markdown's ** and `
# marks go. An unreleased section goes to the distribution UNRELEASED, dated when the
# script runs (or at SOURCE_DATE_EPOCH); a dated one to unstable, at noon UTC of its day.
# Text before the first section (the file's own introduction) is left out.

cmake_policy(VERSION 3.25) # lists keep their empty elements (blank lines)

# Appends Text to the list named by Out as lines of at most 78 columns, the first starting
# with First, the others with Rest. Markdown marks are dropped.
function(_kwgfx_changelog_wrap Text First Rest Out)
    string(REPLACE "**" "" text "${Text}")
    string(REPLACE "`" "" text "${text}")
    string(REGEX REPLACE "[ \t]+" ";" words "${text}")
    set(lines ${${Out}})
    set(line "${First}")
    set(fresh TRUE)
    foreach(word IN LISTS words)
        if(word STREQUAL "")
            continue()
        endif()
        # A hidden character counts as one column.
        string(REGEX REPLACE "<kwgfx-[a-z]+>" "x" shown "${line} ${word}")
        string(LENGTH "${shown}" length)
        if(fresh)
            string(APPEND line "${word}")
            set(fresh FALSE)
        elseif(length GREATER 78)
            list(APPEND lines "${line}")
            set(line "${Rest}${word}")
        else()
            string(APPEND line " ${word}")
        endif()
    endforeach()
    if(NOT fresh)
        list(APPEND lines "${line}")
    endif()
    set(${Out} "${lines}" PARENT_SCOPE)
endfunction()

# The trailer's date of a section note: "YYYY-MM-DD" gives that day (weekday computed), any
# other note the time of the run.
function(_kwgfx_changelog_date Note Out)
    if(Note MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
        set(y ${CMAKE_MATCH_1})
        math(EXPR m "${CMAKE_MATCH_2} + 0")
        math(EXPR d "${CMAKE_MATCH_3} + 0")
        set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
        set(offsets 0 3 2 5 0 3 5 1 4 6 2 4) # Sakamoto's day-of-week method
        math(EXPR index "${m} - 1")
        list(GET months ${index} month)
        list(GET offsets ${index} offset)
        set(yy ${y})
        if(m LESS 3)
            math(EXPR yy "${y} - 1")
        endif()
        math(EXPR weekday "(${yy} + ${yy} / 4 - ${yy} / 100 + ${yy} / 400 + ${offset} + ${d}) % 7")
        set(days Sun Mon Tue Wed Thu Fri Sat)
        list(GET days ${weekday} day)
        if(d LESS 10)
            set(d "0${d}")
        endif()
        set(${Out} "${day}, ${d} ${month} ${y} 12:00:00 +0000" PARENT_SCOPE)
    else()
        string(TIMESTAMP now "%a, %d %b %Y %H:%M:%S +0000" UTC)
        set(${Out} "${now}" PARENT_SCOPE)
    endif()
endfunction()

function(kwgfx_debian_changelog Markdown Out Package Maintainer)
    file(READ "${Markdown}" text)
    # One list element per line, empty lines kept. The characters that CMake's lists treat
    # specially (";", "[", "]", "\\") are hidden meanwhile.
    string(REPLACE "\\" "<kwgfx-backslash>" text "${text}")
    string(REPLACE ";" "<kwgfx-semicolon>" text "${text}")
    string(REPLACE "[" "<kwgfx-open>" text "${text}")
    string(REPLACE "]" "<kwgfx-close>" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")

    set(result "")
    set(entry_open FALSE)
    set(under_heading FALSE)
    set(pending "")       # the paragraph or list item being read
    set(pending_kind "")  # item (a "- " line) or paragraph
    set(body "")          # the current entry's lines
    # Adds the pending text to the body as an item of its kind and level.
    macro(flush)
        if(NOT pending STREQUAL "")
            if(pending_kind STREQUAL "item" AND under_heading)
                _kwgfx_changelog_wrap("${pending}" "    - " "      " body)
            else()
                _kwgfx_changelog_wrap("${pending}" "  * " "    " body)
            endif()
        endif()
        set(pending "")
        set(pending_kind "")
    endmacro()
    macro(close_entry)
        if(entry_open)
            flush()
            _kwgfx_changelog_date("${note}" date)
            list(APPEND result "" ${body} "" " -- ${Maintainer}  ${date}" "")
            set(body "")
        endif()
    endmacro()

    foreach(line IN LISTS lines)
        if(line MATCHES "^## +([^ ]+)( +\\((.*)\\))?[ \t]*$")
            close_entry()
            set(version "${CMAKE_MATCH_1}")
            set(note "${CMAKE_MATCH_3}")
            if(note MATCHES "^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$")
                set(distribution unstable)
            else()
                set(distribution UNRELEASED)
            endif()
            list(APPEND result
                 "${Package} (${version}) ${distribution}<kwgfx-semicolon> urgency=medium")
            set(entry_open TRUE)
            set(under_heading FALSE)
        elseif(NOT entry_open)
            continue()
        elseif(line MATCHES "^###+ +(.*)$")
            flush()
            _kwgfx_changelog_wrap("${CMAKE_MATCH_1}:" "  * " "    " body)
            set(under_heading TRUE)
        elseif(line MATCHES "^[-*] +(.*)$")
            flush()
            set(pending "${CMAKE_MATCH_1}")
            set(pending_kind item)
        elseif(line MATCHES "^[ \t]*$")
            flush()
        else()
            string(STRIP "${line}" line)
            if(pending STREQUAL "")
                set(pending_kind paragraph)
            endif()
            string(APPEND pending " ${line}")
        endif()
    endforeach()
    close_entry()
    if(result STREQUAL "")
        message(FATAL_ERROR "${Markdown}: no \"## VERSION\" section")
    endif()

    # The lines back into text (blank entries at the start of each entry dropped).
    list(JOIN result "\n" changelog)
    string(REGEX REPLACE "\n\n\n+" "\n\n" changelog "${changelog}")
    string(REPLACE "<kwgfx-semicolon>" ";" changelog "${changelog}")
    string(REPLACE "<kwgfx-open>" "[" changelog "${changelog}")
    string(REPLACE "<kwgfx-close>" "]" changelog "${changelog}")
    string(REPLACE "<kwgfx-backslash>" "\\" changelog "${changelog}")
    string(REGEX REPLACE "\n+$" "\n" changelog "${changelog}")
    file(WRITE "${Out}" "${changelog}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE AND DEFINED MARKDOWN)
    kwgfx_debian_changelog("${MARKDOWN}" "${OUT}" "${PACKAGE}" "${MAINTAINER}")
endif()
