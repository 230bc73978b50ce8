# Installs the build into a scratch prefix and checks that the program, its
# help, the demo project and the desktop entry land where the program and the
# desktop look for them.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE result
                OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected bin/vortan-cli share/vortan/examples/demo-line.vtn share/vortan/examples/demo-line.spd)
if(GUI)
  list(APPEND expected bin/vortan share/vortan/help/index.html share/vortan/help/topic-100.html
       share/applications/org.vortan.Vortan.desktop share/metainfo/org.vortan.Vortan.metainfo.xml
       share/icons/hicolor/scalable/apps/vortan.svg)
endif()
foreach(file ${expected})
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The installed command-line program reads the installed demo.
execute_process(COMMAND ${PREFIX}/bin/vortan-cli check ${PREFIX}/share/vortan/examples/demo-line.vtn
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed vortan-cli could not check the installed demo")
endif()
file(REMOVE_RECURSE ${PREFIX})
