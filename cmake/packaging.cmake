# `cpack -G DEB` in the build folder makes a Debian package of what
# app/CMakeLists.txt installs, under /usr.
set(CPACK_PACKAGE_NAME vortan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vortan maintainers")
set(CPACK_PACKAGE_CONTACT "Vortan maintainers <maintainers@vortan.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sag and check the cables of overhead power lines")
# Broken into lines as dpkg shows them; CPack indents each line.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A desktop calculator for the crews and engineers who string and check the"
  "cables of overhead power lines. For each cable sag the user types two rows"
  "of the sagging schedule, the cable temperature and the observations of a"
  "field survey method; Vortan tells the surveyor what to observe so that a"
  "new cable hangs at its required sag, or turns the observations of an"
  "existing cable into its actual sag."
  ""
  "vortan-cli checks, recalculates and reports projects, and prints their"
  "stringing charts, without a display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps works out the Qt and C++ runtime packages from the programs'
# libraries (CPack finds the programs with file); without them, the same
# packages are named by hand.
find_program(DPKG_SHLIBDEPS_EXECUTABLE dpkg-shlibdeps)
find_program(FILE_EXECUTABLE file)
if(DPKG_SHLIBDEPS_EXECUTABLE AND FILE_EXECUTABLE)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
elseif(VORTAN_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6, libqt6printsupport6, libqt6gui6, libqt6core6, libstdc++6, libgcc-s1, libc6")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libstdc++6, libgcc-s1, libc6")
endif()

set(CPACK_GENERATOR DEB)
include(CPack)
