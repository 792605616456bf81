# Locates the LibreOffice SDK and generates the UNO C++ headers once per build directory.
# An office installed elsewhere: cmake -DLO_PROGRAM_DIR=<office>/program -DLO_SDK_DIR=<office>/sdk
set(LO_PROGRAM_DIR /usr/lib/libreoffice/program CACHE PATH "LibreOffice program folder (types.rdb, soffice)")
set(LO_SDK_DIR /usr/lib/libreoffice/sdk CACHE PATH "LibreOffice SDK folder (bin/cppumaker, include, lib)")
set(LO_UNO_HEADERS ${CMAKE_BINARY_DIR}/uno_headers)

if(NOT EXISTS ${LO_SDK_DIR}/bin/cppumaker)
  message(FATAL_ERROR "LibreOffice SDK not found in ${LO_SDK_DIR}: install libreoffice-dev or set LO_SDK_DIR")
endif()

set(LO_UNO_STAMP ${LO_UNO_HEADERS}/.generated)
if(NOT EXISTS ${LO_UNO_STAMP})
  message(STATUS "Generating UNO headers in ${LO_UNO_HEADERS}")
  file(MAKE_DIRECTORY ${LO_UNO_HEADERS})
  execute_process(
    COMMAND ${LO_SDK_DIR}/bin/cppumaker -O${LO_UNO_HEADERS}
            ${LO_PROGRAM_DIR}/types.rdb ${LO_PROGRAM_DIR}/types/offapi.rdb
    RESULT_VARIABLE cppumaker_result)
  if(NOT cppumaker_result EQUAL 0)
    message(FATAL_ERROR "cppumaker failed (${cppumaker_result})")
  endif()
  file(TOUCH ${LO_UNO_STAMP})
endif()

add_library(libreoffice_uno INTERFACE)
target_include_directories(libreoffice_uno SYSTEM INTERFACE ${LO_SDK_DIR}/include ${LO_UNO_HEADERS})
target_compile_definitions(libreoffice_uno INTERFACE LINUX UNX CPPU_ENV=gcc3)
target_link_directories(libreoffice_uno INTERFACE ${LO_SDK_DIR}/lib)
target_link_libraries(libreoffice_uno INTERFACE uno_cppu uno_cppuhelpergcc3 uno_sal uno_salhelpergcc3)
target_link_options(libreoffice_uno INTERFACE -Wl,-rpath,${LO_PROGRAM_DIR})
