# The source tree is layered by folder:
#   src/<area>/*.cpp     plain logic: standard C++ and POSIX only, no Qt on the
#                        include path, so a stray Qt include fails to compile;
#   src/<area>/qt/*.cpp  the window system on Qt 6 Widgets.
# Both layers pick up new files by glob, so adding a file needs no edit here.

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
