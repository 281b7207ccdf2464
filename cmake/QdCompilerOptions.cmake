# The compiler's warnings and the optional instrumented builds.
option(QD_WERROR "Treat compiler warnings as errors (on in CI)" OFF)
option(QD_SANITIZE "Build everything, tests included, with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QD_FUZZ "Build the fuzz targets in fuzz/ (clang only; implies the sanitizers)" OFF)

add_compile_options(-Wall -Wextra -Wshadow -Wconversion $<$<COMPILE_LANGUAGE:CXX>:-Wold-style-cast>)
# The same set under clang, whose -Wconversion would also take in signedness.
add_compile_options($<$<CXX_COMPILER_ID:Clang>:-Wno-sign-conversion>)
if(QD_WERROR)
  add_compile_options(-Werror)
endif()

if(QD_SANITIZE OR QD_FUZZ)
  # Every fault stops the program, so a test reporting one cannot pass.
  set(qd_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${qd_sanitizers})
  add_link_options(${qd_sanitizers})
  set(QD_ASAN_OPTIONS "abort_on_error=1:detect_leaks=1:strict_string_checks=1:check_initialization_order=1")
  set(QD_UBSAN_OPTIONS "print_stacktrace=1")
endif()
if(QD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "QD_FUZZ needs clang (configure with CC=clang CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
