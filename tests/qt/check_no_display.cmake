# Script mode: the program started where no window can open ends at once
# with exit status 1 and one line saying so, not with Qt's abort.
# Needs: PROGRAM.
set(expected_start "veltrop: no display to open the window on")
# Each case: a name, then the environment it starts in (a display that is
# set but has no server behind it counts as none).
set(cases
  "nothing set|--unset=DISPLAY|--unset=WAYLAND_DISPLAY"
  "X display without a server|DISPLAY=:9876|--unset=WAYLAND_DISPLAY"
  "Wayland display without a compositor|--unset=DISPLAY|WAYLAND_DISPLAY=veltrop-none")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" case "${case}")
  list(POP_FRONT case name)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env --unset=QT_QPA_PLATFORM --unset=XDG_SESSION_TYPE ${case}
            "${PROGRAM}"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  string(REGEX MATCHALL "[^\n]+" lines "${out}${err}")
  list(LENGTH lines count)
  if(NOT status EQUAL 1 OR NOT count EQUAL 1 OR NOT lines MATCHES "^${expected_start}")
    message(FATAL_ERROR "${name}: exit status ${status}, output:\n${out}${err}")
  endif()
  message(STATUS "${name}: ${lines}")
endforeach()
