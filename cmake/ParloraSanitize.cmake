# Builds with sanitizers, for every target of this project (third-party
# libraries stay as they are).
#
# PARLORA_SANITIZE: a list for -fsanitize=, such as address,undefined.
# Every report stops the program (no recovery), so that a test run that
# meets undefined behaviour fails rather than printing and going on.
#
# PARLORA_FUZZ: the libFuzzer targets of fuzz/ (clang only). Everything is
# built with the fuzzer's coverage, AddressSanitizer and
# UndefinedBehaviorSanitizer; only the fuzz targets link libFuzzer itself.
set(PARLORA_SANITIZE "" CACHE STRING "Sanitizers for -fsanitize= (e.g. address,undefined); empty builds without")
option(PARLORA_FUZZ "Build the libFuzzer targets in fuzz/ (needs clang)" OFF)
option(PARLORA_BENCHMARKS "Build the benchmarks" ON)

if(PARLORA_SANITIZE AND PARLORA_FUZZ)
  message(FATAL_ERROR "PARLORA_FUZZ brings its own sanitizers: leave PARLORA_SANITIZE empty")
endif()

if(PARLORA_SANITIZE)
  add_compile_options(-fsanitize=${PARLORA_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${PARLORA_SANITIZE})
endif()

if(PARLORA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "PARLORA_FUZZ needs clang (CXX=clang++): libFuzzer is part of it")
  endif()
  set(PARLORA_FUZZ_SANITIZERS address,undefined)
  add_compile_options(-fsanitize=fuzzer-no-link,${PARLORA_FUZZ_SANITIZERS} -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${PARLORA_FUZZ_SANITIZERS})
endif()
