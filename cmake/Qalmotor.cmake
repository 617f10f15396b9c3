# qalmotor_library(<name> SOURCES <files...> [DEPS <targets...>])
# Makes the static library qalmotor_<name>, includable as "<name>/header.h".
function(qalmotor_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(qalmotor_${name} STATIC ${ARG_SOURCES})
  target_include_directories(qalmotor_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(qalmotor_${name} PUBLIC ${ARG_DEPS})
endfunction()

# qalmotor_test(<name> SOURCES <files...> [DEPS <targets...>] [FIREBIRD])
# A GoogleTest program run by CTest offscreen, with a QApplication made by the
# shared test main. FIREBIRD marks tests that also need the test server; they
# read its address from QALMOTOR_FB_* and skip themselves when it is not set.
function(qalmotor_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(test_${name} ${ARG_SOURCES})
  target_link_libraries(test_${name} PRIVATE qalmotor_testsupport ${ARG_DEPS})
  add_test(NAME ${name} COMMAND test_${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QALMOTOR_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
    TIMEOUT 600)
endfunction()

# qalmotor_bench(<name> SOURCES <files...> [DEPS <targets...>])
function(qalmotor_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(bench_${name} ${ARG_SOURCES})
  target_include_directories(bench_${name} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(bench_${name} PRIVATE ${ARG_DEPS})
endfunction()
