# The game's start maps no audio or network library: the audio back end and
# the messages between running copies are modules loaded once the splash
# shows, and what the program needs at exec is mapped before its first
# window.
#   cmake -DPROGRAM=path/to/velmoran -P StartupLibraries.cmake
execute_process(COMMAND readelf -d ${PROGRAM} OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "readelf cannot read ${PROGRAM}")
endif()
string(REGEX MATCHALL "Shared library: \\[[^]]+\\]" needed "${dynamic}")
foreach(library IN LISTS needed)
  if(library MATCHES "Multimedia|pulse|Network")
    message(FATAL_ERROR "${PROGRAM} needs ${library} at start")
  endif()
endforeach()
message(STATUS "${PROGRAM} needs: ${needed}")
