# Windows build with MinGW-w64: the program, statically linked so it imports only system DLLs,
# and its tests, which CTest runs under Wine.
set(TINYXML_DIR "" CACHE PATH "TinyXML 2.6.2 sources (Debian's tinyxml source package)")
set(BOOST_INCLUDE_DIR "" CACHE PATH "A folder holding only the boost headers")
if(NOT EXISTS "${TINYXML_DIR}/tinyxml.h")
  message(FATAL_ERROR "TINYXML_DIR must point at the TinyXML sources; scripts/test fetches them")
endif()

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# Small: the program stays resident all day.
add_compile_options(-Os -ffunction-sections -fdata-sections)
# Sections aligned to pages in the file too: Wine maps such an image straight from the file,
# where it copies any other into the process's private memory (half a megabyte here).
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections -Wl,--file-alignment=4096
  -Wl,--no-insert-timestamp)
# Hardening: stack canaries and checked C library calls (GCC's libssp, linked statically; the
# program brings its own guard, app/StackGuard.cpp), and
# the loader's protections said out loud rather than left to the linker's defaults: a relocatable
# image (ASLR), non-executable data (NX) and, on x64, addresses from the whole 64-bit range.
add_compile_options(-fstack-protector-strong)
add_compile_definitions(_FORTIFY_SOURCE=2)
add_link_options(-fstack-protector-strong -Wl,--dynamicbase -Wl,--nxcompat)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_link_options(-Wl,--high-entropy-va)
endif()

add_library(tinyxml STATIC
  ${TINYXML_DIR}/tinyxml.cpp ${TINYXML_DIR}/tinyxmlparser.cpp
  ${TINYXML_DIR}/tinyxmlerror.cpp ${TINYXML_DIR}/tinystr.cpp)
target_include_directories(tinyxml SYSTEM PUBLIC ${TINYXML_DIR})
target_compile_options(tinyxml PRIVATE -w)

add_library(dusklamp_core STATIC ${CORE_SOURCES})
target_include_directories(dusklamp_core PUBLIC ${PROJECT_SOURCE_DIR})
target_include_directories(dusklamp_core SYSTEM PUBLIC ${BOOST_INCLUDE_DIR})
target_link_libraries(dusklamp_core PUBLIC tinyxml)

set(SHELL_SOURCES
  app/Application.cpp
  app/CrashGuard.cpp
  app/DataFolder.cpp
  app/Module.cpp
  app/Resources.cpp
  app/SystemLibraries.cpp
  settings/SettingsFile.cpp
  ui/Window.cpp
  ui/Subclass.cpp
  ui/Dialog.cpp
  ui/Accessible.cpp
  ui/Dpi.cpp
  ui/HighContrast.cpp
  ui/main/DialogSlots.cpp
  ui/main/Foreground.cpp
  ui/main/HotKeys.cpp
  ui/main/MainWindow.cpp
  ui/main/MainWindowDialogs.cpp
  ui/main/ScreenWatch.cpp
  ui/main/TimerIds.cpp
  ui/main/TrayIcon.cpp
  ui/fader/DcAttributeScope.cpp
  ui/fader/AutoFadePause.cpp
  ui/fader/ClockFormat.cpp
  ui/fader/Audience.cpp
  ui/fader/FadeEngine.cpp
  ui/fader/FadeSound.cpp
  ui/fader/FaderPaint.cpp
  ui/fader/FullScreen.cpp
  ui/fader/LocalTime.cpp
  ui/fader/Monitors.cpp
  ui/fader/Overlay.cpp
  ui/fader/OverlayWindows.cpp
  ui/fader/TimeFont.cpp
  ui/options/CenterDialog.cpp
  ui/options/ColorButton.cpp
  ui/options/KeyName.cpp
  ui/options/NumericField.cpp
  ui/options/OptionsDialog.cpp
  ui/about/AboutDialog.cpp
  ui/about/HyperlinkLabel.cpp
  ui/about/VersionResource.cpp
)
add_library(dusklamp_shell STATIC ${SHELL_SOURCES})
target_link_libraries(dusklamp_shell PUBLIC dusklamp_core
  comctl32 comdlg32 shell32 shlwapi ole32 oleaut32 advapi32 gdi32 user32)

find_package(Python3 REQUIRED COMPONENTS Interpreter)
# The chime is made from its recipe and must pass its check before it goes into the resources.
# One target makes it for both programs that carry it; an unchanged chime keeps its date.
set(SOUNDS_DIR ${CMAKE_BINARY_DIR}/sounds)
add_custom_target(chime VERBATIM BYPRODUCTS ${SOUNDS_DIR}/chime.wav
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SOUNDS_DIR}
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/res/sounds/make-chime.py ${SOUNDS_DIR}/chime.new.wav
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/res/sounds/check-chime.py ${SOUNDS_DIR}/chime.new.wav
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${SOUNDS_DIR}/chime.new.wav ${SOUNDS_DIR}/chime.wav)

# Every language's menu, dialogs and texts from its translation; a broken one fails the build.
set(LANGUAGES_DIR ${CMAKE_BINARY_DIR}/lang)
file(GLOB TRANSLATIONS ${PROJECT_SOURCE_DIR}/res/lang/*.po)
set(LANGUAGE_SOURCES ${PROJECT_SOURCE_DIR}/res/menu.rc ${PROJECT_SOURCE_DIR}/res/dialogs.rc
  ${PROJECT_SOURCE_DIR}/res/strings.rc ${PROJECT_SOURCE_DIR}/res/lang/Dusklamp.pot)
add_custom_command(OUTPUT ${LANGUAGES_DIR}/languages.rc VERBATIM
  COMMAND ${CMAKE_COMMAND} -E make_directory ${LANGUAGES_DIR}
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/res/lang/make-languages.py ${LANGUAGES_DIR}/languages.rc
  DEPENDS ${PROJECT_SOURCE_DIR}/res/lang/make-languages.py ${TRANSLATIONS} ${LANGUAGE_SOURCES})
add_custom_target(languages DEPENDS ${LANGUAGES_DIR}/languages.rc)

set(RESOURCES ${PROJECT_SOURCE_DIR}/res/Dusklamp.rc)
set_source_files_properties(${RESOURCES} PROPERTIES OBJECT_DEPENDS
  "${LANGUAGES_DIR}/languages.rc;${PROJECT_SOURCE_DIR}/res/menu.rc;${PROJECT_SOURCE_DIR}/res/strings.rc;${PROJECT_SOURCE_DIR}/res/dialogs.rc;${PROJECT_SOURCE_DIR}/res/Dusklamp.manifest;${PROJECT_SOURCE_DIR}/res/resource.h;${PROJECT_SOURCE_DIR}/res/version.h;${SOUNDS_DIR}/chime.wav")

add_executable(Dusklamp WIN32 app/main.cpp app/FirstStep.cpp app/StackGuard.cpp app/LoadConfig.c ${RESOURCES})
target_include_directories(Dusklamp PRIVATE ${PROJECT_SOURCE_DIR}/res ${SOUNDS_DIR} ${LANGUAGES_DIR})
add_dependencies(Dusklamp chime languages)
target_link_libraries(Dusklamp PRIVATE dusklamp_shell)
target_link_options(Dusklamp PRIVATE -municode -mwindows -s)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  # The load configuration (app/LoadConfig.c), which this linker does not point the header at.
  target_link_options(Dusklamp PRIVATE -Wl,--require-defined=_load_config_used
    -Wl,-Map=${CMAKE_BINARY_DIR}/Dusklamp.map)
  add_custom_command(TARGET Dusklamp POST_BUILD VERBATIM
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/cmake/set-load-config.py
      $<TARGET_FILE:Dusklamp> ${CMAKE_BINARY_DIR}/Dusklamp.map)
endif()
set_target_properties(Dusklamp PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

if(DUSKLAMP_TESTS)
  include(cmake/windows-tests.cmake)
endif()

# The benchmark and the floor program it measures Dusklamp against (scripts/bench runs them).
add_executable(FloorTray WIN32 bench/FloorTray.cpp bench/FloorTray.rc)
target_include_directories(FloorTray PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/res)
target_link_options(FloorTray PRIVATE -municode -mwindows -s)
target_link_libraries(FloorTray PRIVATE dusklamp_core shell32 user32 gdi32)
add_executable(bench bench/Bench.cpp bench/Measures.cpp tests/e2e/Harness.cpp)
target_include_directories(bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_options(bench PRIVATE -municode)
target_link_libraries(bench PRIVATE dusklamp_core psapi shlwapi user32)
set_target_properties(FloorTray bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
