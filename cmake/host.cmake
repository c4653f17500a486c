# Host build: the layers against the in-memory platform, unit tests, the layers' checks
# and benchmarks.
enable_testing()
find_package(GTest REQUIRED)
find_package(benchmark QUIET)

# The in-memory platform, beside the tests that use it (and its own test).
file(GLOB VESKOR_MEMORY_SOURCES CONFIGURE_DEPENDS tests/support/memory/*.cpp)
list(FILTER VESKOR_MEMORY_SOURCES EXCLUDE REGEX "_test\\.cpp$")
add_library(veskor_memory STATIC ${VESKOR_MEMORY_SOURCES})
target_include_directories(veskor_memory PUBLIC tests)
target_link_libraries(veskor_memory PUBLIC veskor_ports)

# Every tests/<part>/..._test.cpp but those of the Windows layer and the GUI.
file(GLOB VESKOR_TEST_SUPPORT CONFIGURE_DEPENDS tests/support/*.cpp)
file(GLOB_RECURSE VESKOR_HOST_TESTS CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR} tests/*_test.cpp)
list(FILTER VESKOR_HOST_TESTS EXCLUDE REGEX "^tests/(windows|gui)/")
add_executable(veskor_tests ${VESKOR_HOST_TESTS} ${VESKOR_TEST_SUPPORT})
target_include_directories(veskor_tests PRIVATE tests)
target_link_libraries(veskor_tests PRIVATE veskor_app veskor_memory GTest::gtest GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(veskor_tests DISCOVERY_TIMEOUT 60)

# An include that runs upward fails the build; no two folders of src/ include each other.
veskor_layer_check(platform/Platform.h veskor_ports veskor_base)
veskor_layer_check(history/History.h veskor_rules veskor_ports)
veskor_layer_check(form/TForm1.h veskor_app veskor_rules)
veskor_folder_check()

if(benchmark_FOUND)
  file(GLOB VESKOR_BENCH_SOURCES CONFIGURE_DEPENDS bench/host/*_bench.cpp)
  foreach(src ${VESKOR_BENCH_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src} ${VESKOR_TEST_SUPPORT})
    target_include_directories(${name} PRIVATE tests)
    target_link_libraries(${name} PRIVATE veskor_app veskor_memory benchmark::benchmark)
  endforeach()
endif()

# The fuzz targets: each tests/fuzz/NAME_fuzz.cpp against the rules, in a clang build only.
if(VESKOR_FUZZ)
  file(GLOB VESKOR_FUZZ_SOURCES CONFIGURE_DEPENDS tests/fuzz/*_fuzz.cpp)
  foreach(src ${VESKOR_FUZZ_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE veskor_rules)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  endforeach()
endif()
