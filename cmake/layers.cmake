# One library per layer. A layer's folder src/<layer> holds its parts (src/rules/search,
# src/rules/history, ...) and is the library's only include root: a header is included
# as "<part>/Name.h". A library sees its own root and, through the layers it links, the
# roots below it; a header of a higher layer is on no path it has, so an include that
# runs upward fails the build. The tests below prove it for each step; within a layer,
# tests/folder_includes refuses two parts that include each other.
function(veskor_layer name root)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${root}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/${root})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# Two tests, each compiling one line that includes `header`: against `owner`, its own
# layer, it compiles; against `lower`, a layer below, the compiler cannot find it.
function(veskor_layer_check header owner lower)
  string(MAKE_C_IDENTIFIER "${header}" id)
  set(source ${CMAKE_BINARY_DIR}/layer-checks/${id}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "#include \"${header}\"\n")
  foreach(library ${owner} ${lower})
    set(target layer_check_${library}_${id})
    add_library(${target} OBJECT EXCLUDE_FROM_ALL ${source})
    target_link_libraries(${target} PRIVATE ${library})
    add_test(NAME ${target} COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target ${target} --config $<CONFIG>)
    # One build at a time in one build tree.
    set_tests_properties(${target} PROPERTIES RESOURCE_LOCK veskor_build_tree)
  endforeach()
  string(REPLACE "." "\\." pattern "${header}")
  set_tests_properties(layer_check_${lower}_${id} PROPERTIES
    PASS_REGULAR_EXPRESSION "${pattern}(: No such file or directory|' file not found)")
endfunction()

function(veskor_folder_check)
  add_test(NAME folder_includes
           COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR}/src -P ${CMAKE_SOURCE_DIR}/cmake/folder-includes.cmake)
endfunction()
