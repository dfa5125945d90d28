# veltrop_guide(FORMAT OUT_VAR): the user guide (packaging/guide.txt) in
# FORMAT (md, roff or txt, see guide.awk), for a template to carry as
# @OUT_VAR@. Editing the guide or its converter configures the build again.
find_program(VELTROP_AWK awk REQUIRED)
set(VELTROP_GUIDE_SOURCE "${CMAKE_CURRENT_LIST_DIR}/guide.txt")
set(VELTROP_GUIDE_CONVERTER "${CMAKE_CURRENT_LIST_DIR}/guide.awk")
function(veltrop_guide format out_var)
  set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    "${VELTROP_GUIDE_SOURCE}" "${VELTROP_GUIDE_CONVERTER}")
  # The C locale: the converter works on bytes, whatever the build's locale.
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C
            "${VELTROP_AWK}" -v format=${format} -f "${VELTROP_GUIDE_CONVERTER}" "${VELTROP_GUIDE_SOURCE}"
    OUTPUT_VARIABLE _guide OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(${out_var} "${_guide}" PARENT_SCOPE)
endfunction()
