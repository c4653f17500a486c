# Host build: the core against the in-memory platform, unit tests and benchmarks.
enable_testing()
find_package(GTest REQUIRED)
find_package(benchmark QUIET)

file(GLOB VESKOR_MEMORY_SOURCES CONFIGURE_DEPENDS src/platform/memory/*.cpp)
add_library(veskor_memory STATIC ${VESKOR_MEMORY_SOURCES})
target_link_libraries(veskor_memory PUBLIC veskor_core)

file(GLOB VESKOR_TEST_SUPPORT CONFIGURE_DEPENDS tests/support/*.cpp)
file(GLOB VESKOR_HOST_TESTS CONFIGURE_DEPENDS
  tests/app/*_test.cpp tests/history/*_test.cpp tests/search/*_test.cpp
  tests/launch/*_test.cpp tests/folder/*_test.cpp tests/platform/*_test.cpp)
add_executable(veskor_tests ${VESKOR_HOST_TESTS} ${VESKOR_TEST_SUPPORT})
target_include_directories(veskor_tests PRIVATE tests)
target_link_libraries(veskor_tests PRIVATE veskor_memory GTest::gtest GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(veskor_tests DISCOVERY_TIMEOUT 60)

if(benchmark_FOUND)
  file(GLOB VESKOR_BENCH_SOURCES CONFIGURE_DEPENDS tests/bench/*_bench.cpp)
  foreach(src ${VESKOR_BENCH_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src} ${VESKOR_TEST_SUPPORT})
    target_include_directories(${name} PRIVATE tests)
    target_link_libraries(${name} PRIVATE veskor_memory benchmark::benchmark)
  endforeach()
endif()

# The fuzz targets: each tests/fuzz/NAME_fuzz.cpp against the core, in a clang build only.
if(VESKOR_FUZZ)
  file(GLOB VESKOR_FUZZ_SOURCES CONFIGURE_DEPENDS tests/fuzz/*_fuzz.cpp)
  foreach(src ${VESKOR_FUZZ_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE veskor_core)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  endforeach()
endif()
