# VELTROP_SOURCE_DATE_EPOCH: the time every packaged file carries, so that
# the same source gives the same downloads: SOURCE_DATE_EPOCH, else the last
# commit's time, else the project file's.
if(DEFINED VELTROP_SOURCE_DATE_EPOCH)
  return()
endif()
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(VELTROP_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
  execute_process(COMMAND git -C "${PROJECT_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE VELTROP_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE _git_status ERROR_QUIET)
  if(NOT _git_status EQUAL 0)
    file(TIMESTAMP "${PROJECT_SOURCE_DIR}/CMakeLists.txt" VELTROP_SOURCE_DATE_EPOCH "%s" UTC)
  endif()
endif()
