# Each layer is one static library made of every source file in its folder,
# so adding a file needs no edit here. A layer links only the layers below it.
# The build is strict: a folder without sources or a dependency that is not a
# target defined before it stops the configuration.

function(lumenor_link target scope)
  foreach(dep IN LISTS ARGN)
    if(NOT TARGET ${dep})
      message(FATAL_ERROR "${target}: unknown dependency '${dep}' (no such target defined before it)")
    endif()
  endforeach()
  target_link_libraries(${target} ${scope} ${ARGN})
endfunction()

function(lumenor_sources out dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  if(NOT sources)
    message(FATAL_ERROR "${dir}: no source files")
  endif()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

function(lumenor_layer target dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR}/${dir}: a layer without source files")
  endif()
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${dir}/*.h)
  add_library(${target} STATIC ${sources} ${headers})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  lumenor_link(${target} PUBLIC ${ARGN})
endfunction()

# One GoogleTest executable per test folder; every test case is its own ctest
# entry, run headless.
function(lumenor_tests target dir)
  lumenor_sources(sources ${CMAKE_CURRENT_SOURCE_DIR}/${dir})
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  lumenor_link(${target} PRIVATE ${ARGN} GTest::gtest GTest::gmock)
  target_compile_definitions(${target} PRIVATE
    LUMENOR_SAMPLES_DIR="${LUMENOR_SAMPLES_DIR}"
    LUMENOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    LUMENOR_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
