# The source tree is layered by area, each a library that may use only the
# areas before it in CARTOVEL_LAYERS:
#   platform → resources → table → formula → files
#            → sources, analysis, plots, output (not each other) → shell
# Within an area:
#   src/<area>/*.cpp     plain logic: standard C++ and POSIX only, no Qt on the
#                        include path, so a stray Qt include fails to compile;
#   src/<area>/qt/*.cpp  the window system on Qt 6 Widgets.
# Both layers pick up new files by glob, so adding a file needs no edit here.
# Configuring fails when a file includes a header of a higher area (or of a
# sibling among sources, analysis, plots and output); a lower area reaches a
# higher one only through a hook that the higher one registers.

set(CARTOVEL_LAYERS platform resources table formula files sources analysis plots output shell)
set(CARTOVEL_SIBLING_LAYERS sources analysis plots output)

# cartovel_collect(<out-var> <qt?> <areas...>) gathers the sources of one layer.
function(cartovel_collect out qt)
  set(files)
  foreach(area ${ARGN})
    if(qt)
      file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${area}/qt/*.cpp)
    else()
      file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${area}/*.cpp)
    endif()
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# The rank of an area in CARTOVEL_LAYERS (the four sibling areas share one).
function(cartovel_layer_rank out area)
  list(FIND CARTOVEL_LAYERS ${area} rank)
  list(FIND CARTOVEL_LAYERS sources first_sibling)
  if(area IN_LIST CARTOVEL_SIBLING_LAYERS)
    set(rank ${first_sibling})
  elseif(rank GREATER first_sibling)
    math(EXPR rank "${rank} - 3")
  endif()
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

# cartovel_check_layers(): stop the configure on any include that reaches up
# a layer, naming each file and include.
function(cartovel_check_layers)
  set(violations)
  foreach(area ${CARTOVEL_LAYERS})
    file(GLOB_RECURSE files CONFIGURE_DEPENDS
      ${PROJECT_SOURCE_DIR}/src/${area}/*.cpp ${PROJECT_SOURCE_DIR}/src/${area}/*.h)
    cartovel_layer_rank(own ${area})
    foreach(path ${files})
      file(STRINGS ${path} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
      foreach(line ${includes})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z_]+)/.*" "\\1" target "${line}")
        if(NOT target IN_LIST CARTOVEL_LAYERS OR target STREQUAL area)
          continue()
        endif()
        cartovel_layer_rank(their ${target})
        if(their GREATER own OR (their EQUAL own))
          file(RELATIVE_PATH shown ${PROJECT_SOURCE_DIR} ${path})
          list(APPEND violations "  ${shown}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  if(violations)
    list(JOIN violations "\n" text)
    message(FATAL_ERROR "These includes reach up a layer (${CARTOVEL_LAYERS}; each area uses only those "
      "before it, and sources, analysis, plots and output not each other):\n${text}\n"
      "Reach the higher area through a hook it registers, or move the piece down.")
  endif()
endfunction()

# cartovel_add_layer_libraries(<qt?> <prefix>): one static library per area
# that has sources, each linked to the libraries of the areas below it.
# Sets CARTOVEL_<prefix>_LIBRARIES to the libraries made, lowest first.
function(cartovel_add_layer_libraries qt prefix)
  set(made)
  foreach(area ${CARTOVEL_LAYERS})
    cartovel_collect(sources ${qt} ${area})
    list(FILTER sources EXCLUDE REGEX "/shell/qt/main\\.cpp$")
    if(NOT sources)
      continue()
    endif()
    set(target ${prefix}_${area})
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    # The areas below this one (siblings never link each other).
    cartovel_layer_rank(own ${area})
    foreach(lower ${made})
      string(REPLACE "${prefix}_" "" lower_area ${lower})
      cartovel_layer_rank(their ${lower_area})
      if(their LESS own)
        target_link_libraries(${target} PUBLIC ${lower})
      endif()
    endforeach()
    list(APPEND made ${target})
  endforeach()
  set(CARTOVEL_${prefix}_LIBRARIES ${made} PARENT_SCOPE)
endfunction()

# Real data files nobody here wrote, for the tests that read them: beside
# the checkout, or given with -DCARTOVEL_SHARED_DATA_DIR=... (tests that
# need them skip when they are missing).
set(_shared_data "${PROJECT_SOURCE_DIR}/../shared/data")
if(NOT EXISTS "${_shared_data}" AND EXISTS "/work/shared/data")
  set(_shared_data "/work/shared/data")
endif()
set(CARTOVEL_SHARED_DATA_DIR "${_shared_data}" CACHE PATH "folder of real data files read by tests")

# cartovel_add_tests(<target> <dir> <libs...>) builds one test binary from a
# folder of *_test.cpp files and registers each GoogleTest case with ctest.
# The libraries must bring a main (GTest::gtest_main, or the Qt test main).
function(cartovel_add_tests target dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${ARGN} GTest::gtest)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${target} PRIVATE
    CARTOVEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    CARTOVEL_SHARED_DATA_DIR="${CARTOVEL_SHARED_DATA_DIR}")
  gtest_discover_tests(${target}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
