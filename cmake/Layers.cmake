# Each layer is one static library made of every source file in its folder,
# so adding a file needs no edit here. A layer links only the layers below it.
function(lumenor_layer target dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  if(NOT sources)
    return()
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  foreach(dep IN LISTS ARGN)
    if(TARGET ${dep} OR dep MATCHES "::")
      target_link_libraries(${target} PUBLIC ${dep})
    endif()
  endforeach()
endfunction()

# One GoogleTest executable per test folder; every test case is its own ctest
# entry, run headless.
function(lumenor_tests target dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  foreach(dep IN LISTS ARGN)
    if(TARGET ${dep} OR dep MATCHES "::")
      target_link_libraries(${target} PRIVATE ${dep})
    endif()
  endforeach()
  target_link_libraries(${target} PRIVATE GTest::gtest GTest::gmock)
  target_compile_definitions(${target} PRIVATE
    LUMENOR_SAMPLES_DIR="${LUMENOR_SAMPLES_DIR}"
    LUMENOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    LUMENOR_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
