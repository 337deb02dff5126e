# Native build: the core against the system's TinyXML and Boost, tested with sanitizers.
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(${SANITIZE} -g)
add_link_options(${SANITIZE})

option(DUSKLAMP_FUZZ "Build the libFuzzer target instead of the tests (needs clang)" OFF)
set(TINYXML_DIR "" CACHE PATH "TinyXML sources to build in; the system library otherwise")

if(DUSKLAMP_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(TINYXML_DIR)
  add_library(tinyxml_source STATIC
    ${TINYXML_DIR}/tinyxml.cpp ${TINYXML_DIR}/tinyxmlparser.cpp
    ${TINYXML_DIR}/tinyxmlerror.cpp ${TINYXML_DIR}/tinystr.cpp)
  target_include_directories(tinyxml_source SYSTEM PUBLIC ${TINYXML_DIR})
  target_compile_options(tinyxml_source PRIVATE -w)
  set(TINYXML_LIBRARY tinyxml_source)
else()
  set(TINYXML_LIBRARY tinyxml)
  add_compile_definitions(TIXML_USE_STL)  # Debian's library is built with it
endif()

add_library(dusklamp_core STATIC ${CORE_SOURCES})
target_include_directories(dusklamp_core PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(dusklamp_core PUBLIC ${TINYXML_LIBRARY})

if(DUSKLAMP_FUZZ)
  add_executable(settings_fuzzer tests/fuzz/SettingsFuzzer.cpp)
  target_link_libraries(settings_fuzzer PRIVATE dusklamp_core)
  target_link_options(settings_fuzzer PRIVATE -fsanitize=fuzzer)
  return()
endif()

if(DUSKLAMP_TESTS)
  enable_testing()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)
  file(GLOB CORE_TESTS ${PROJECT_SOURCE_DIR}/tests/core/*.cpp)
  add_executable(core_tests ${CORE_TESTS})
  target_link_libraries(core_tests PRIVATE dusklamp_core GTest::gtest_main)
  add_test(NAME core_tests COMMAND core_tests)
  # The build's translation step, which needs no Windows.
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME translations COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/lang/make-languages-test.py)
endif()
