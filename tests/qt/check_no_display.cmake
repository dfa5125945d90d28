# Script mode: what the program does before any window opens. Without a
# usable display, or when Qt cannot start its platform plugin, it ends at
# once with exit status 1 and one line saying why, not with Qt's abort;
# the command line is answered without a display; Qt's own options reach Qt.
# Needs: PROGRAM, VERSION.
cmake_policy(VERSION 3.25)
set(no_display "^veltrop: no display to open the window on")
# Each case: a name, the exit status ("running" for a window still open
# when the time is up), the stream that speaks ("out" or "err"; the other
# stays silent; "full": standard output is /dev/full, a disk with no room,
# and standard error speaks), a pattern for its first line, then the
# environment and the command line, with @ for the program. Standard error
# must be one line.
set(cases
  "nothing set|1|err|${no_display}|--unset=DISPLAY|--unset=WAYLAND_DISPLAY|@"
  "X display without a server|1|err|${no_display}.*:9876|DISPLAY=:9876|--unset=WAYLAND_DISPLAY|@"
  "-display names a display without a server|1|err|${no_display}.*:9877|--unset=DISPLAY|--unset=WAYLAND_DISPLAY|@|-display|:9877"
  "Wayland display without a compositor|1|err|${no_display}.*wayland|--unset=DISPLAY|WAYLAND_DISPLAY=veltrop-none|--unset=XDG_RUNTIME_DIR|@"
  "Wayland session with neither display alive|1|err|${no_display}.*wayland.*:9876|DISPLAY=:9876|WAYLAND_DISPLAY=veltrop-none|XDG_SESSION_TYPE=wayland|--unset=XDG_RUNTIME_DIR|@"
  "platform plugin that is not installed|1|err|^veltrop: cannot open the window: Qt platform plugin \"bogus\" is not installed|DISPLAY=:9876|QT_QPA_PLATFORM=bogus|@"
  "-platform offscreen needs no display|running|err||--unset=DISPLAY|--unset=WAYLAND_DISPLAY|@|-platform|offscreen"
  "--help|0|out|^Usage: veltrop|--unset=DISPLAY|--unset=WAYLAND_DISPLAY|@|--help"
  "-h|0|out|^Usage: veltrop|--unset=DISPLAY|--unset=WAYLAND_DISPLAY|@|-h"
  "--version|0|out|^Veltrop ${VERSION}$|--unset=DISPLAY|--unset=WAYLAND_DISPLAY|@|--version"
  "--version to a full disk|1|full|^veltrop: write error: No space left on device$|--unset=DISPLAY|--unset=WAYLAND_DISPLAY|@|--version"
  "--help to a full disk|1|full|^veltrop: write error: No space left on device$|--unset=DISPLAY|--unset=WAYLAND_DISPLAY|@|--help"
  "-h to a full disk, with a Qt option|1|full|^veltrop: write error: No space left on device$|--unset=DISPLAY|--unset=WAYLAND_DISPLAY|@|-style|fusion|-h"
  "mistake with standard output full|2|full|^veltrop: .*'bogus'|--unset=DISPLAY|--unset=WAYLAND_DISPLAY|@|--bogus"
  "unknown option|2|err|^veltrop: .*'bogus'|--unset=DISPLAY|--unset=WAYLAND_DISPLAY|@|--bogus"
  "unknown option after a Qt option|2|err|^veltrop: .*'x'|--unset=DISPLAY|--unset=WAYLAND_DISPLAY|@|-style|fusion|-x"
  "argument the program does not take|2|err|^veltrop: .*'1000'|--unset=DISPLAY|--unset=WAYLAND_DISPLAY|@|1000")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" case "${case}")
  list(POP_FRONT case name expected_status stream pattern)
  list(TRANSFORM case REPLACE "^@$" "${PROGRAM}")
  set(out "")
  if(stream STREQUAL "full")
    set(stream err)
    set(output OUTPUT_FILE /dev/full)
  else()
    set(output OUTPUT_VARIABLE out)
  endif()
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env --unset=QT_QPA_PLATFORM --unset=XDG_SESSION_TYPE ${case}
    RESULT_VARIABLE status ${output} ERROR_VARIABLE err TIMEOUT 10)
  set(report "${name}: exit status ${status}, standard output:\n${out}standard error:\n${err}")
  if(expected_status STREQUAL "running")
    # Still showing its window; Qt may have warned about the session.
    if(NOT status MATCHES "timeout" OR err MATCHES "veltrop:")
      message(FATAL_ERROR "${report}")
    endif()
    message(STATUS "${name}: still running")
    continue()
  endif()
  if(stream STREQUAL "out")
    set(spoken "${out}")
    set(silent "${err}")
  else()
    set(spoken "${err}")
    set(silent "${out}")
  endif()
  # The lines as a list: a semicolon in them would split it.
  string(REPLACE ";" "," spoken "${spoken}")
  string(REGEX MATCHALL "[^\n]+" lines "${spoken}")
  list(LENGTH lines count)
  set(first "")
  if(count GREATER 0)
    list(GET lines 0 first)
  endif()
  if(NOT status STREQUAL expected_status OR NOT silent STREQUAL "" OR NOT first MATCHES "${pattern}"
     OR (stream STREQUAL "err" AND NOT count EQUAL 1))
    message(FATAL_ERROR "${report}")
  endif()
  message(STATUS "${name}: ${first}")
endforeach()
