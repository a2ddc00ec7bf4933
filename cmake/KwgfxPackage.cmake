# SPDX-License-Identifier: MIT
# The Debian package, made by `cpack -G DEB` in a build tree:
#
#   libkwgfx-dev   the libraries (static, or shared when BUILD_SHARED_LIBS is on; kwgfx_gtk
#                  too when built with GTK 4), the public headers, the CMake package files,
#                  the pkg-config files, the changelog, the copyright file, and the kwgfx
#                  program with its manual page.
#
# One package: the program is a developer's tool (render path text, print path facts, draw
# the gallery) built on the library it ships with; a package of its own would have to depend
# on the development package anyway, as there is no runtime-only library package.
#
# Depends: what a program built against the package needs. The CMake package files and the
# .pc file ask pkg-config for Cairo, fontconfig and FreeType (and ICU for static
# libraries), so their development packages; DejaVu Sans, the default face. The shared
# libraries' and the program's own run-time libraries (ICU, Cairo, GTK when the program is
# built with it, ...) are added by dpkg-shlibdeps from the binaries themselves.
#
# Debian's own places: cmake/debian/DebianLayout.cmake moves the changelog to
# /usr/share/doc/libkwgfx-dev/changelog.gz, adds the machine-readable copyright file
# (cmake/debian/copyright) beside it and compresses the manual page, on cpack's staged copy
# only; a plain `cmake --install` keeps share/doc/kwgfx/CHANGELOG.md. Shared libraries come
# with a shlibs file and the ldconfig trigger. `lintian` finds no error in the package (the
# deb_package test checks it).
#
# Configure with -DCMAKE_INSTALL_PREFIX=/usr so that the libraries go to Debian's multiarch
# directory (lib/<triplet>), where the linker, pkg-config and CMake find them.

# A placeholder in the domain kept for examples (a host that does not exist fails lintian):
# who publishes the package sets its own.
set(KWGFX_PACKAGE_MAINTAINER "kwgfx developers <kwgfx@example.org>"
    CACHE STRING "Maintainer field of the Debian package")

install(FILES ${PROJECT_SOURCE_DIR}/CHANGELOG.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME libkwgfx-dev)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${KWGFX_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "C++20 2D graphics support: float geometry, vector paths, drawing routines")
# Lines of at most 80 characters, as Debian asks of the extended description.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "kwgfx is a C++20 library for 2D graphics support: float geometry, a vector"
    "path object with SVG path data, drawing routines that paint on a canvas,"
    "user-interface helpers, and a raster canvas on Cairo. This package holds the"
    "libraries, headers, CMake and pkg-config files, and the kwgfx program, which"
    "renders path text and draws the gallery.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Debian's places for the documents, applied to the staged files (see the top).
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/debian/DebianLayout.cmake)
set(CPACK_KWGFX_COPYRIGHT_FILE ${PROJECT_SOURCE_DIR}/cmake/debian/copyright)
set(CPACK_KWGFX_DOCDIR ${CMAKE_INSTALL_DOCDIR})
set(CPACK_KWGFX_MANDIR ${CMAKE_INSTALL_MANDIR})

# Shared libraries in the loader's directory: a shlibs file, so that packages built against
# them depend on this one, and the ldconfig trigger, which updates the loader's cache once
# per dpkg run. (cpack's own postinst and postrm call ldconfig as well.)
if(BUILD_SHARED_LIBS)
    set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
    set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
    file(WRITE ${PROJECT_BINARY_DIR}/debian/triggers "activate-noawait ldconfig\n")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/debian/triggers)
endif()

set(depends "pkg-config, fonts-dejavu-core")
if(NOT BUILD_SHARED_LIBS)
    string(APPEND depends ", libicu-dev")
endif()
if(KWGFX_HAVE_CAIRO)
    string(APPEND depends ", libcairo2-dev, libfontconfig-dev, libfreetype-dev")
    # A static kwgfx_cairo's CMake and pkg-config files ask for Pango too.
    if(KWGFX_HAVE_PANGO AND NOT BUILD_SHARED_LIBS)
        string(APPEND depends ", libpango1.0-dev")
    endif()
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${depends})
# The GTK library's CMake component and kwgfx-gtk.pc need GTK's development files, which
# programs without windows can do without.
if(KWGFX_HAVE_GTK)
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgtk-4-dev")
endif()
find_program(KWGFX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(KWGFX_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    message(STATUS "kwgfx: dpkg-shlibdeps not found (package dpkg-dev): the Debian package "
                   "lists no run-time libraries")
endif()

include(CPack)
