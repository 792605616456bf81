# cmake -DFILES="a|b|c" -P require_files.cmake: fails unless every file exists.
string(REPLACE "|" ";" files "${FILES}")
foreach(file IN LISTS files)
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "Missing after conversion: ${file}")
  endif()
endforeach()
