# tervano_add_test(NAME SOURCES a.cpp [b.cpp] LIBS lib... [WIDGETS])
# One executable per unit; widget tests run on the offscreen platform.
function(tervano_add_test name)
  cmake_parse_arguments(T "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  target_compile_definitions(${name} PRIVATE
    TERVANO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TERVANO_SHARED_FIXTURES="${PROJECT_SOURCE_DIR}/../shared/fixtures"
    TERVANO_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set(env "LC_ALL=C.UTF-8")
  if(T_WIDGETS)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
    set_tests_properties(${name} PROPERTIES LABELS widgets)
  else()
    set_tests_properties(${name} PROPERTIES LABELS unit)
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()
