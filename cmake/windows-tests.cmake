# Three levels under Wine: the core again, Win32 tests on real windows and controls, and
# end-to-end tests that start Dusklamp.exe as its own process.
enable_testing()
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)
set(TEST_OUTPUT ${CMAKE_BINARY_DIR}/tests)

file(GLOB CORE_TESTS ${PROJECT_SOURCE_DIR}/tests/core/*.cpp)
add_executable(core_tests ${CORE_TESTS})
target_link_libraries(core_tests PRIVATE dusklamp_core GTest::gtest_main)

file(GLOB WIN_TESTS ${PROJECT_SOURCE_DIR}/tests/win/*.cpp)
add_executable(win_tests ${WIN_TESTS} ${RESOURCES})
target_include_directories(win_tests PRIVATE ${PROJECT_SOURCE_DIR}/res ${SOUNDS_DIR} ${LANGUAGES_DIR})
add_dependencies(win_tests chime languages)
target_link_libraries(win_tests PRIVATE dusklamp_shell GTest::gtest oleacc)
target_compile_definitions(win_tests PRIVATE CORPUS_DIR="${PROJECT_SOURCE_DIR}/tests/fuzz/corpus"
  LANG_DIR=L"${PROJECT_SOURCE_DIR}/res/lang")

file(GLOB E2E_TESTS ${PROJECT_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(e2e_tests ${E2E_TESTS})
target_link_libraries(e2e_tests PRIVATE dusklamp_core GTest::gtest_main
  user32 gdi32 shell32 shlwapi)
add_dependencies(e2e_tests Dusklamp planted planted_version)
add_dependencies(win_tests planted)
# The DLLs the planting test puts beside the program under system DLLs' names.
add_library(planted SHARED tests/e2e/PlantedLibrary.c)
add_library(planted_version SHARED tests/e2e/PlantedLibrary.c tests/e2e/PlantedVersion.def)
target_compile_definitions(planted_version PRIVATE PLANTED_VERSION)
set_target_properties(planted planted_version PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${TEST_OUTPUT})
target_compile_definitions(e2e_tests PRIVATE E2E_DIR="${PROJECT_SOURCE_DIR}/tests/e2e"
  CHIME_WAV=L"${SOUNDS_DIR}/chime.wav")

set_target_properties(core_tests win_tests e2e_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TEST_OUTPUT})
target_include_directories(e2e_tests PRIVATE ${PROJECT_SOURCE_DIR})

add_test(NAME core_tests COMMAND core_tests)
add_test(NAME win_tests COMMAND win_tests)
add_test(NAME e2e_tests COMMAND e2e_tests --gtest_filter=-RealClock.*)
# Automatic fades against the real clock take up to three minutes each: runs of their own.
foreach(test AShortAutomaticFadeComesOncePerMinute APauseHoldsAcrossARestart TheChimeIsHeardOnceAtAnAutomaticFade)
  add_test(NAME real_clock_${test} COMMAND e2e_tests --gtest_filter=RealClock.${test})
endforeach()

add_executable(send_exit tests/package/SendExit.cpp)
target_include_directories(send_exit PRIVATE ${PROJECT_SOURCE_DIR})
add_executable(wizard tests/package/Wizard.cpp)
target_link_options(wizard PRIVATE -municode)
set_target_properties(send_exit wizard PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TEST_OUTPUT})

# Desktop tests: real input through XTest on a composited display (tests/desktop/with-compositor).
file(GLOB DESKTOP_TESTS ${PROJECT_SOURCE_DIR}/tests/desktop/*.cpp)
add_executable(desktop_tests ${DESKTOP_TESTS} ${PROJECT_SOURCE_DIR}/tests/e2e/Harness.cpp)
target_include_directories(desktop_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(desktop_tests PRIVATE GTest::gtest_main user32 gdi32 shell32 shlwapi)
set_target_properties(desktop_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TEST_OUTPUT})
add_dependencies(desktop_tests Dusklamp)
add_test(NAME desktop_tests COMMAND ${PROJECT_SOURCE_DIR}/tests/desktop/with-compositor
  ${PROJECT_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:desktop_tests> --gtest_filter=-TwoMonitors.*)
add_test(NAME two_monitor_tests COMMAND ${PROJECT_SOURCE_DIR}/tests/desktop/on-two-monitors
  ${PROJECT_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:desktop_tests> --gtest_filter=TwoMonitors.*)

# At 150 percent: the Win32 suite again (but its long soak), and the end-to-end tests of what
# the scale changes.
add_test(NAME scaled_tests COMMAND ${PROJECT_SOURCE_DIR}/tests/dpi/at-log-pixels 144 /bin/sh -c
  "\"$0\" \"$1\" --gtest_filter=-*Thousand* && \"$0\" \"$2\" --gtest_filter=Startup.TheManifest*:Fader.Screenshot*:Dialogs.*"
  ${PROJECT_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:win_tests> $<TARGET_FILE:e2e_tests>)
