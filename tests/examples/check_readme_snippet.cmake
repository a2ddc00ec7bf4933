# SPDX-License-Identifier: MIT
# The README's "Render an icon" example must be the code the render_icons example runs:
# the first ```cpp block under the heading "## Render an icon" in README.md must equal,
# character for character, the lines between "// [README: Render an icon]" and
# "// [README end]" in examples/render_icons.cpp.
# Usage: cmake -DREADME=<README.md> -DEXAMPLE=<render_icons.cpp> -P check_readme_snippet.cmake

# The text of Text after the first Begin at or after From and before the next End; fails
# naming What when either is missing.
function(text_between Text From Begin End What Result)
    string(SUBSTRING "${Text}" ${From} -1 rest)
    string(FIND "${rest}" "${Begin}" start)
    if(start EQUAL -1)
        message(FATAL_ERROR "${What}: no \"${Begin}\"")
    endif()
    string(LENGTH "${Begin}" begin_length)
    math(EXPR start "${start} + ${begin_length}")
    string(SUBSTRING "${rest}" ${start} -1 rest)
    string(FIND "${rest}" "${End}" stop)
    if(stop EQUAL -1)
        message(FATAL_ERROR "${What}: no \"${End}\" after \"${Begin}\"")
    endif()
    string(SUBSTRING "${rest}" 0 ${stop} between)
    set(${Result} "${between}" PARENT_SCOPE)
endfunction()

file(READ ${README} readme)
string(FIND "${readme}" "\n## Render an icon\n" section)
if(section EQUAL -1)
    message(FATAL_ERROR "${README}: no heading \"## Render an icon\"")
endif()
text_between("${readme}" ${section} "```cpp\n" "\n```\n" "${README}" snippet)
# The block must lie in that section, not under a later heading.
string(FIND "${snippet}" "\n## " later)
if(NOT later EQUAL -1)
    message(FATAL_ERROR "${README}: no ```cpp block in the section \"Render an icon\"")
endif()

file(READ ${EXAMPLE} example)
text_between("${example}" 0 "// [README: Render an icon]\n" "\n// [README end]\n" "${EXAMPLE}" part)

if(NOT snippet STREQUAL part)
    message(FATAL_ERROR "The README's \"Render an icon\" example differs from ${EXAMPLE}.\n"
                        "README:\n${snippet}\n\nexample:\n${part}")
endif()
message(STATUS "The README's \"Render an icon\" example matches ${EXAMPLE}")
