# Every tests/tst_*.cpp of a deliverable becomes one Qt Test executable,
# linked against the deliverable's library and registered with CTest.
# Every tests/bench_*.cpp becomes a benchmark executable that is built
# but not registered (timings are not pass/fail criteria).
function(zorvel_add_tests lib)
  file(GLOB test_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/tests/tst_*.cpp")
  foreach(src IN LISTS test_sources)
    get_filename_component(name "${src}" NAME_WE)
    set(target "${lib}_${name}")
    add_executable(${target} "${src}")
    target_link_libraries(${target} PRIVATE ${lib} Qt6::Test)
    target_compile_definitions(${target} PRIVATE ${ARGN})
    add_test(NAME "${PROJECT_NAME}.${lib}.${name}" COMMAND ${target})
    set_tests_properties("${PROJECT_NAME}.${lib}.${name}" PROPERTIES
      # Settings the windows write (the recent files) stay in the build folder.
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-einstellungen"
      TIMEOUT 60)
  endforeach()
  # Timings of a sanitizer build mean nothing: its benchmarks are not built.
  if(ZORVEL_SANITIZE)
    return()
  endif()
  file(GLOB bench_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/tests/bench_*.cpp")
  foreach(src IN LISTS bench_sources)
    get_filename_component(name "${src}" NAME_WE)
    add_executable(${lib}_${name} "${src}")
    target_link_libraries(${lib}_${name} PRIVATE ${lib} Qt6::Test)
    # What the benchmarks of both programs measure alike.
    target_include_directories(${lib}_${name} PRIVATE "${PROJECT_SOURCE_DIR}/gemeinsam/tests")
    target_compile_definitions(${lib}_${name} PRIVATE ${ARGN})
  endforeach()
endfunction()
