# SPDX-License-Identifier: MIT
# Installs the build tree into a scratch prefix, then builds and runs the consumer twice:
# once through find_package(kwgfx) and once through pkg-config. With the raster canvas
# installed, the consumer draws with it, and the examples are built against the installed
# package as well: all of them with find_package, the icon example (whose first lines are
# the README's "Render an icon") with `pkg-config --cflags --libs kwgfx`, the plain form a
# newcomer types. The .pc file must not choose the language standard: C++20 is passed here.
# With KWGFX_HAVE_GTK the GTK library, its headers and kwgfx-gtk.pc must be installed, and a
# GTK consumer is built through find_package(kwgfx COMPONENTS gtk) and through
# `pkg-config kwgfx-gtk` and run without a display; without it, no GTK header is installed.
file(REMOVE_RECURSE ${SCRATCH_DIR})
set(prefix ${SCRATCH_DIR}/prefix)
get_filename_component(examples ${CONSUMER_SOURCE_DIR}/../../examples ABSOLUTE)

function(run)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "command failed (${rc}): ${ARGV}\n${out}\n${err}")
    endif()
endfunction()

# The flags pkg-config gives for Args (the module last), as a list.
function(pkg_config_flags result)
    execute_process(COMMAND pkg-config ${ARGN}
        OUTPUT_VARIABLE flags RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "pkg-config ${ARGN} fails")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${result} "${flags}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${KWGFX_BINARY_DIR} --prefix ${prefix})
# The libraries may be static or shared, in lib/ or a multiarch lib/<triplet>/.
file(GLOB_RECURSE raster_library ${prefix}/lib*/libkwgfx_cairo.a ${prefix}/lib*/libkwgfx_cairo.so)
file(GLOB_RECURSE pc_file ${prefix}/lib*/kwgfx.pc)
get_filename_component(pcdir "${pc_file}" DIRECTORY)
get_filename_component(libdir "${pcdir}" DIRECTORY)
# Programs linked by hand against shared libraries in the scratch prefix find them here
# (CMake builds record the path themselves).
set(ENV{LD_LIBRARY_PATH} ${libdir})

file(GLOB_RECURSE gtk_library ${prefix}/lib*/libkwgfx_gtk.a ${prefix}/lib*/libkwgfx_gtk.so)
file(GLOB_RECURSE gtk_pc_file ${prefix}/lib*/kwgfx-gtk.pc)
file(GLOB gtk_headers ${prefix}/include/kwgfx/backends/gtk/*.h)
if(KWGFX_HAVE_GTK AND NOT (gtk_library AND gtk_pc_file AND gtk_headers))
    message(FATAL_ERROR "built with GTK, but the install lacks the GTK library, "
                        "kwgfx-gtk.pc or the GTK headers")
endif()
if(NOT KWGFX_HAVE_GTK AND (gtk_library OR gtk_pc_file OR gtk_headers))
    message(FATAL_ERROR "built without GTK, but GTK files are installed")
endif()
# The GTK consumer runs without a display: it must start, say so and succeed.
set(no_display ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY)

run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE_DIR} -B ${SCRATCH_DIR}/cmake-build
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
    -DKWGFX_CONSUMER_GTK=${KWGFX_HAVE_GTK})
run(${CMAKE_COMMAND} --build ${SCRATCH_DIR}/cmake-build)
run(${SCRATCH_DIR}/cmake-build/consumer)
if(KWGFX_HAVE_GTK)
    run(${no_display} ${SCRATCH_DIR}/cmake-build/consumer_gtk)
endif()

# pkg-config route
set(ENV{PKG_CONFIG_PATH} ${pcdir})
pkg_config_flags(cflags --cflags kwgfx)
if(cflags MATCHES "-std=")
    message(FATAL_ERROR "the .pc file chooses the language standard: ${cflags}")
endif()
pkg_config_flags(flags --cflags --libs kwgfx)
set(defines "")
if(raster_library)
    set(defines -DKWGFX_CONSUMER_RASTER=1)
endif()
run(${CMAKE_CXX_COMPILER} -std=c++20 ${defines} ${CONSUMER_SOURCE_DIR}/main.cpp ${flags}
    -o ${SCRATCH_DIR}/consumer-pc)
run(${SCRATCH_DIR}/consumer-pc)
if(KWGFX_HAVE_GTK)
    pkg_config_flags(gtk_flags --cflags --libs kwgfx-gtk)
    run(${CMAKE_CXX_COMPILER} -std=c++20 ${CONSUMER_SOURCE_DIR}/gtk_main.cpp ${gtk_flags}
        -o ${SCRATCH_DIR}/consumer-gtk-pc)
    run(${no_display} ${SCRATCH_DIR}/consumer-gtk-pc)
endif()

if(raster_library)
    # The examples as their own project, as the README says.
    run(${CMAKE_COMMAND} -S ${examples} -B ${SCRATCH_DIR}/examples-build
        -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER})
    run(${CMAKE_COMMAND} --build ${SCRATCH_DIR}/examples-build)
    run(${CMAKE_CXX_COMPILER} -std=c++20 ${examples}/render_icons.cpp ${flags}
        -o ${SCRATCH_DIR}/render_icons-pc)
    foreach(program ${SCRATCH_DIR}/examples-build/render_icons ${SCRATCH_DIR}/render_icons-pc)
        run(${program} --size 32 -o ${SCRATCH_DIR}/icons ${examples}/icons/star.txt)
        if(NOT EXISTS ${SCRATCH_DIR}/icons/star-32.png)
            message(FATAL_ERROR "${program} wrote no icon")
        endif()
        file(REMOVE ${SCRATCH_DIR}/icons/star-32.png)
    endforeach()
    message(STATUS "consumer and examples built and ran through find_package and pkg-config")
else()
    message(STATUS "consumer built and ran through find_package and pkg-config")
endif()
