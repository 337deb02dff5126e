# Native build: the core against the system's TinyXML and Boost, tested with sanitizers.
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(${SANITIZE} -g)
add_link_options(${SANITIZE})

add_library(dusklamp_core STATIC ${CORE_SOURCES})
target_include_directories(dusklamp_core PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_definitions(dusklamp_core PUBLIC TIXML_USE_STL)
target_link_libraries(dusklamp_core PUBLIC tinyxml)

if(DUSKLAMP_TESTS)
  enable_testing()
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)
  file(GLOB CORE_TESTS ${PROJECT_SOURCE_DIR}/tests/core/*.cpp)
  add_executable(core_tests ${CORE_TESTS})
  target_link_libraries(core_tests PRIVATE dusklamp_core GTest::gtest_main)
  add_test(NAME core_tests COMMAND core_tests)
endif()
