# One interface target carries the language level, warnings and sanitizer flags for every module.
add_library(tessel_options INTERFACE)
target_compile_features(tessel_options INTERFACE cxx_std_20)
target_compile_options(tessel_options INTERFACE -Wall -Wextra -Werror)
target_compile_definitions(tessel_options INTERFACE
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_FOREACH
  QT_USE_QSTRINGBUILDER)

if(TESSEL_SANITIZE)
  target_compile_options(tessel_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(tessel_options INTERFACE -fsanitize=address,undefined)
endif()

if(TESSEL_FUZZ)
  # Every module is built with coverage for the fuzzer; only the fuzz targets link its main.
  target_compile_options(tessel_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_options(tessel_options INTERFACE -fsanitize=address,undefined)
endif()

# tessel_module(NAME <module> [CORE] SOURCES ... DEPENDS ...)
# Makes the library target tessel_<module>; CORE modules may link QtCore only.
function(tessel_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(tessel_${name} STATIC ${ARG_SOURCES})
  target_include_directories(tessel_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(tessel_${name} PUBLIC tessel_options ${ARG_DEPENDS})
endfunction()
