# tessel_test(NAME <name> [GUI] SOURCES ... LIBS ...)
# One test executable, registered with CTest as one test. Core tests run under a QCoreApplication,
# GUI tests under a QApplication on the offscreen platform. Every test process gets a private HOME and
# XDG folders (see tests/support/test_environment.cpp), so nothing touches the real user's files.
function(tessel_test)
  cmake_parse_arguments(ARG "GUI" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  if(ARG_GUI)
    target_link_libraries(${ARG_NAME} PRIVATE tessel_test_gui_main)
  else()
    target_link_libraries(${ARG_NAME} PRIVATE tessel_test_core_main)
  endif()
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} tessel_options)
  add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${ARG_NAME} PROPERTIES
    TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TESSEL_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
