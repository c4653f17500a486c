# Windows build: VESKOR3.exe, the Windows test program and the helper programs of the GUI tests.
enable_language(RC)
# The program imports only the loader's core DLLs (and the C runtime, msvcrt.dll): every
# other system DLL is loaded from System32 when first needed (src/windows/win32/SystemDlls.h).
# The tests and the test tools call the shell and COM directly.
set(VESKOR_PROGRAM_LIBS uuid user32 gdi32 kernel32)
set(VESKOR_WIN_LIBS ole32 uuid shell32 user32 gdi32 comctl32 kernel32)
add_link_options(-static $<$<CXX_COMPILER_ID:GNU>:-static-libgcc> $<$<CXX_COMPILER_ID:GNU>:-static-libstdc++>)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)

# The Windows layer: the Win32 platform (win32) and the window's controls (gui), shared by
# the program and its tests.
veskor_layer(veskor_windows src/windows veskor_app ${VESKOR_PROGRAM_LIBS})

# The program: WinMain, which builds the window, and its resources.
file(GLOB VESKOR_PROGRAM_SOURCES CONFIGURE_DEPENDS src/program/*.cpp src/program/*.rc)
add_executable(VESKOR3 WIN32 ${VESKOR_PROGRAM_SOURCES})
target_link_libraries(VESKOR3 PRIVATE veskor_windows)
set_target_properties(VESKOR3 PROPERTIES OUTPUT_NAME VESKOR3 RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
# The release program carries no symbols: a third of the size, less to map at every start.
target_link_options(VESKOR3 PRIVATE $<$<CONFIG:Release>:-s>)

# `ctest --test-dir build/windows`: the program imports nothing beyond the allowed DLLs.
# (The image carries no load configuration, so no DependentLoadFlags: the linker of
# binutils 2.40 fills in no load-configuration directory, and mingw-w64 10 provides none.)
if(NOT CMAKE_HOST_WIN32)
  enable_testing()
  find_program(VESKOR_OBJDUMP NAMES ${CMAKE_OBJDUMP} x86_64-w64-mingw32-objdump objdump REQUIRED)
  add_test(NAME static_imports
           COMMAND ${CMAKE_SOURCE_DIR}/tests/windows/static-imports.sh ${VESKOR_OBJDUMP} $<TARGET_FILE:VESKOR3>)
  # The portable layers never see the Windows layer.
  veskor_layer_check(win32/Win32Platform.h veskor_windows veskor_app)
endif()

# GoogleTest compiled from the distribution's sources for the cross target. The windows
# preset requires it: without it the Windows tests would vanish from a build that stays green.
set(VESKOR_GTEST_DIR /usr/src/googletest/googletest CACHE PATH "GoogleTest sources")
option(VESKOR_REQUIRE_WINDOWS_TESTS "Fail the configure when the Windows tests cannot be built" OFF)
if(NOT EXISTS ${VESKOR_GTEST_DIR}/src/gtest-all.cc)
  if(VESKOR_REQUIRE_WINDOWS_TESTS)
    message(FATAL_ERROR "GoogleTest sources not found in VESKOR_GTEST_DIR (${VESKOR_GTEST_DIR}): "
                        "install googletest (scripts/setup.sh) or point VESKOR_GTEST_DIR at them")
  endif()
  message(STATUS "No GoogleTest sources in ${VESKOR_GTEST_DIR}: veskor_wintests and wincontrols are not built")
else()
  add_library(gtest_win STATIC ${VESKOR_GTEST_DIR}/src/gtest-all.cc ${VESKOR_GTEST_DIR}/src/gtest_main.cc)
  target_include_directories(gtest_win SYSTEM PUBLIC ${VESKOR_GTEST_DIR}/include PRIVATE ${VESKOR_GTEST_DIR})
  # The framework is not ours to compile as CP932: its sources hold characters that code page lacks.
  target_compile_options(gtest_win PRIVATE -w $<$<CXX_COMPILER_ID:GNU>:-fexec-charset=UTF-8>)
  # The in-memory controls stand in for the window where a test drives the window object.
  file(GLOB VESKOR_WIN_TESTS CONFIGURE_DEPENDS tests/windows/*_test.cpp tests/windows/support/*.cpp)
  add_executable(veskor_wintests ${VESKOR_WIN_TESTS} tests/support/FakeControls.cpp)
  target_include_directories(veskor_wintests PRIVATE tests/windows/support tests)
  target_link_libraries(veskor_wintests PRIVATE veskor_windows gtest_win ${VESKOR_WIN_LIBS})
  set_target_properties(veskor_wintests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  # A DLL beside the test program, where a planted one would lie: the tests check that the
  # program's DLL search never finds it.
  add_library(veskorplant SHARED tests/windows/support/PlantedDll.cpp)
  set_target_properties(veskorplant PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  add_dependencies(veskor_wintests veskorplant)
endif()

# The gone checks' thread against real link files (scripts/bench-gone.sh).
add_executable(gone_bench bench/windows/gone_bench.cpp)
target_link_libraries(gone_bench PRIVATE veskor_windows ${VESKOR_WIN_LIBS})
set_target_properties(gone_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Small programs that the GUI tests and the start-up benchmark drive. They use the
# system only, so they build even while the program's own code does not. The ones that
# the launcher starts, or that stand beside it in the benchmark, are windowed programs,
# so that starting them opens no console.
# wincontrols is the exception: GoogleTest checks of the window's controls, which need a
# display and therefore run in the GUI suite.
set(VESKOR_WINDOWED_TOOLS recorder emptywindow)
file(GLOB VESKOR_TOOL_SOURCES CONFIGURE_DEPENDS tests/gui/tools/*.cpp)
foreach(src ${VESKOR_TOOL_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  if(name STREQUAL "wincontrols")
    if(TARGET gtest_win)
      add_executable(${name} ${src})
      target_link_libraries(${name} PRIVATE veskor_windows gtest_win ${VESKOR_WIN_LIBS})
      set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
    endif()
    continue()
  endif()
  add_executable(${name} ${src})
  # The window's design (form/Layout.h, constants only) names the controls they look for.
  target_include_directories(${name} PRIVATE src/app)
  target_link_libraries(${name} PRIVATE ${VESKOR_WIN_LIBS})
  if(name STREQUAL "screenreader")
    target_link_libraries(${name} PRIVATE oleacc oleaut32)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  if(name IN_LIST VESKOR_WINDOWED_TOOLS)
    set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE ON)
  endif()
endforeach()

# `cmake --build build/windows --target package`: a zip holding VESKOR3.exe, the README and
# the LICENSE, whose notices (the MIT licence, and the kanji readings' attribution and
# licence) must travel with the program.
install(TARGETS VESKOR3 RUNTIME DESTINATION .)
install(FILES README.md LICENSE DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME veskor3)
set(CPACK_PACKAGE_FILE_NAME veskor3-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
