# Makes the Debian package with cpack, unpacks it as dpkg would install it,
# and runs the programs from the unpacked tree: the package carries what a
# user's system needs, and the programs work from /usr without the build.
# Its own scratch folder, so that it runs beside install.layout.
find_program(DPKG dpkg)
find_program(DPKG_DEB dpkg-deb)
if(NOT DPKG OR NOT DPKG_DEB OR NOT EXISTS "${CPACK}")
  message(STATUS "skipped: dpkg, dpkg-deb or cpack is missing")
  return()
endif()
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${WORK}/out
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB debs ${WORK}/out/*.deb)
list(LENGTH debs count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack -G DEB failed (${result}), made ${count} packages:\n${output}")
endif()

foreach(field Package=vortan Version=${VERSION})
  string(REPLACE "=" ";" pair ${field})
  list(GET pair 0 name)
  list(GET pair 1 expected)
  execute_process(COMMAND ${DPKG_DEB} -f ${debs} ${name} OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT value STREQUAL expected)
    message(FATAL_ERROR "the package's ${name} is '${value}', not '${expected}'")
  endif()
endforeach()

set(root ${WORK}/root)
execute_process(COMMAND ${DPKG} -x ${debs} ${root} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg -x failed: ${result}")
endif()
set(expected usr/bin/vortan-cli usr/share/man/man1/vortan-cli.1.gz
    usr/share/vortan/examples/demo-line.vtn usr/share/vortan/examples/demo-line.spd)
if(GUI)
  list(APPEND expected usr/bin/vortan usr/share/man/man1/vortan.1.gz usr/share/vortan/help/index.html
       usr/share/applications/org.vortan.Vortan.desktop usr/share/metainfo/org.vortan.Vortan.metainfo.xml
       usr/share/mime/packages/vortan.xml usr/share/icons/hicolor/scalable/apps/vortan.svg)
endif()
foreach(file ${expected})
  if(NOT EXISTS ${root}/${file})
    message(FATAL_ERROR "not in the package: ${file}")
  endif()
endforeach()
# Nothing but the programs and their data: no tests, benchmarks or tools.
file(GLOB programs RELATIVE ${root}/usr/bin ${root}/usr/bin/*)
list(SORT programs)
set(expected_programs vortan-cli)
if(GUI)
  set(expected_programs vortan vortan-cli)
endif()
if(NOT programs STREQUAL expected_programs)
  message(FATAL_ERROR "the package's programs are '${programs}', not '${expected_programs}'")
endif()

set(programs_run vortan-cli)
if(GUI)
  # Without a display: --version is answered before the window system is asked for.
  list(APPEND programs_run vortan)
endif()
foreach(program ${programs_run})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                          ${root}/usr/bin/${program} --version
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0 OR NOT output STREQUAL "${program} ${VERSION}\n")
    message(FATAL_ERROR "${program} --version exited ${result} printing '${output}' ${errors}")
  endif()
endforeach()
execute_process(COMMAND ${root}/usr/bin/vortan-cli report ${root}/usr/share/vortan/examples/demo-line.vtn
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output MATCHES "^Vortan Report\\.\n")
  message(FATAL_ERROR "the packaged vortan-cli could not report the packaged demo (${result}): ${errors}")
endif()
file(REMOVE_RECURSE ${WORK})
