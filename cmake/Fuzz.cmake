# LUMENOR_FUZZ: the libFuzzer targets of tests/fuzz, in a build of their own
# (tests/fuzz/run.sh makes it): every library is compiled with libFuzzer's
# coverage and the address and undefined-behaviour sanitizers, and the first
# report of either stops the run.
option(LUMENOR_FUZZ "Build the fuzz targets of tests/fuzz (clang: libFuzzer, ASan, UBSan)" OFF)
if(LUMENOR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "LUMENOR_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  if(NOT BUILD_TESTING)
    message(FATAL_ERROR "LUMENOR_FUZZ needs BUILD_TESTING: the targets share the tests' helpers")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
