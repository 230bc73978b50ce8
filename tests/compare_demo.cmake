# Runs examples/demo-line.vts in a fresh folder and compares every file of the
# project it saves with the one shipped in examples/, so a demo that the
# program would no longer write the same way is caught.
#   cmake -DCLI=<vortan-cli> -DEXAMPLES=<examples folder> -DWORK=<scratch folder> -P compare_demo.cmake
foreach(var CLI EXAMPLES WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "compare_demo.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${EXAMPLES}/demo-line.vts DESTINATION ${WORK})
execute_process(COMMAND ${CLI} script demo-line.vts
                WORKING_DIRECTORY ${WORK}
                OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "demo-line.vts stopped with exit status ${status}\n${errors}\n${output}")
endif()
if(output MATCHES "(^|\n)MESSAGE error [^\n]*")
  message(FATAL_ERROR "demo-line.vts met an error message:\n${CMAKE_MATCH_0}")
endif()

set(stale "")
foreach(ext vtn spd scb scn sct scp svc sin sst)
  set(written ${WORK}/demo-line.${ext})
  set(shipped ${EXAMPLES}/demo-line.${ext})
  if(NOT EXISTS ${written})
    list(APPEND stale "demo-line.${ext} (not written by the script)")
  elseif(NOT EXISTS ${shipped})
    list(APPEND stale "demo-line.${ext} (missing from examples/)")
  else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${written} ${shipped} RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
      list(APPEND stale "demo-line.${ext}")
    endif()
  endif()
endforeach()
if(stale)
  list(JOIN stale "\n  " stale_text)
  message(FATAL_ERROR "The demo project in examples/ is stale; these files differ from what demo-line.vts "
                      "writes now (see ${WORK}):\n  ${stale_text}\nRun scripts/make-demo.sh to write them afresh.")
endif()
