# veltrop_set_warnings(target): the project's warning set on a target.
function(veltrop_set_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${VELTROP_WARNINGS_AS_ERRORS}>:/WX>)
    return()
  endif()
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
    -Wold-style-cast -Wnon-virtual-dtor
    $<$<BOOL:${VELTROP_WARNINGS_AS_ERRORS}>:-Werror>)
endfunction()
