# libFuzzer targets, built by one option in a build folder of their own (clang only; tools/fuzz
# and tools/test make it: build-fuzz, clang, no windows). Everything in that folder is built
# with AddressSanitizer and UndefinedBehaviorSanitizer and the fuzzer's coverage, so a finding
# anywhere under a target stops it.
#
#   tarnvel_add_fuzzer(NAME SOURCES file... LIBS target... CORPUS dir... [DICT file] [MAX_LEN bytes])
#
# adds the fuzzer NAME and its regression test fuzz.NAME (every input of the committed corpus
# folders run once, labelled "fuzz"), and lists the target in fuzzers.txt of the build folder
# for tools/fuzz. Without TARNVEL_FUZZ it does nothing, so the call can stay in every build.
option(TARNVEL_FUZZ "Build the libFuzzer targets and their regression tests (clang only)" OFF)

if(TARNVEL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TARNVEL_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  # The regression runs are tests even where the unit tests are not built.
  enable_testing()
  add_custom_target(fuzzers)
  set(TARNVEL_FUZZ_LIST ${CMAKE_BINARY_DIR}/fuzzers.txt)
  file(WRITE ${TARNVEL_FUZZ_LIST} "# name<TAB>program<TAB>dictionary<TAB>max_len<TAB>corpus folders (;-separated)\n")
endif()

function(tarnvel_add_fuzzer name)
  cmake_parse_arguments(PARSE_ARGV 1 FUZZ "" "DICT;MAX_LEN" "SOURCES;LIBS;CORPUS")
  if(NOT TARNVEL_FUZZ)
    return()
  endif()
  if(NOT FUZZ_SOURCES OR NOT FUZZ_CORPUS OR FUZZ_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "tarnvel_add_fuzzer(${name}): needs SOURCES and CORPUS; unknown: ${FUZZ_UNPARSED_ARGUMENTS}")
  endif()
  set(corpus)
  foreach(dir ${FUZZ_CORPUS})
    cmake_path(ABSOLUTE_PATH dir BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE OUTPUT_VARIABLE dir)
    if(NOT IS_DIRECTORY ${dir})
      message(FATAL_ERROR "tarnvel_add_fuzzer(${name}): no corpus folder ${dir}")
    endif()
    list(APPEND corpus ${dir})
  endforeach()
  set(dict "")
  if(FUZZ_DICT)
    cmake_path(ABSOLUTE_PATH FUZZ_DICT BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE OUTPUT_VARIABLE dict)
  endif()
  set(max_len "${FUZZ_MAX_LEN}")
  if(NOT max_len)
    set(max_len 4096)
  endif()

  add_executable(${name} ${FUZZ_SOURCES})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${FUZZ_LIBS})
  add_dependencies(fuzzers ${name})

  # -runs=0: read and run the corpus, then stop; nothing is mutated and nothing written.
  set(options -runs=0 -timeout=20 -rss_limit_mb=2048 -max_len=${max_len})
  if(dict)
    list(APPEND options -dict=${dict})
  endif()
  add_test(NAME fuzz.${name} COMMAND ${name} ${options} ${corpus})
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 120
    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")

  file(APPEND ${TARNVEL_FUZZ_LIST} "${name}\t${CMAKE_CURRENT_BINARY_DIR}/${name}\t${dict}\t${max_len}\t${corpus}\n")
endfunction()
