# Tests that run under Wine.
#   wine_tests - in-process tests of the Win32 shell (tests/wine/*.cpp);
#   e2e_tests  - the real programs started in temporary program directories (tests/e2e/*.cpp);
#   check_imports - the shipped programs import nothing that must be bound at
#                   run time and nothing that older systems lack.
string(REPLACE "/" "\\\\" build_dir_win "Z:${CMAKE_BINARY_DIR}")
string(REPLACE "/" "\\\\" dist_dir_win "Z:${TICORA_DIST_DIR}")
set(TEST_DEFS TICORA_TEST_BUILD_DIR="${build_dir_win}" TICORA_TEST_DIST_DIR="${dist_dir_win}")

file(GLOB WINE_TEST_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*.cpp ${CMAKE_SOURCE_DIR}/tests/wine/*.rc)
file(GLOB TEST_SUPPORT_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(test_support STATIC ${TEST_SUPPORT_SRC})
target_compile_definitions(test_support PRIVATE ${TEST_DEFS})
target_link_libraries(test_support PUBLIC controls base PRIVATE gtest)

add_executable(wine_tests ${WINE_TEST_SRC} resources/ticora.rc)
target_compile_definitions(wine_tests PRIVATE ${TEST_DEFS})
target_link_libraries(wine_tests PRIVATE test_support reference dialogs clock gtest_main gtest)
target_link_options(wine_tests PRIVATE ${TICORA_STATIC})
add_test(NAME wine_tests COMMAND wine_tests --gtest_brief=1)

file(GLOB E2E_TEST_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(e2e_tests ${E2E_TEST_SRC})
target_compile_definitions(e2e_tests PRIVATE ${TEST_DEFS})
target_link_libraries(e2e_tests PRIVATE test_support reference reminders base gtest_main gtest)
target_link_options(e2e_tests PRIVATE ${TICORA_STATIC})
add_dependencies(e2e_tests dist)
add_test(NAME e2e_tests COMMAND e2e_tests --gtest_brief=1)
# The end-to-end tests again in prefixes whose Wine reports other Windows
# versions: one group, label windows_versions (ctest -L windows_versions).
set(TICORA_REPORTED_VERSIONS win98 nt40 win2k winxp win10)
foreach(v ${TICORA_REPORTED_VERSIONS})
  add_test(NAME e2e_as_${v}
           COMMAND env TICORA_WINE_VERSION=${v} ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh
                   ${CMAKE_BINARY_DIR}/wineprefix-${v} $<TARGET_FILE:e2e_tests> --gtest_brief=1)
  set_tests_properties(e2e_as_${v} PROPERTIES LABELS windows_versions TIMEOUT 1200)
endforeach()
# The faces at other DPIs: the end-to-end face checks in prefixes set to 144
# and 192 DPI, and there the board, the countdown, the dialogs' measures and
# the program icons (label dpi).
foreach(dpi 144 192)
  add_test(NAME e2e_at_${dpi}dpi
           COMMAND env TICORA_WINE_DPI=${dpi} ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh
                   ${CMAKE_BINARY_DIR}/wineprefix-dpi${dpi} $<TARGET_FILE:e2e_tests> --gtest_brief=1
                   --gtest_filter=DpiFacesEndToEnd.*:DpiPicturesEndToEnd.*:DpiDialogsEndToEnd.*:Manifest.*:ProgramIcons.*)
  set_tests_properties(e2e_at_${dpi}dpi PROPERTIES LABELS dpi TIMEOUT 1200)
endforeach()

# The test Dorvix.dll: same exports, records its calls instead of acting.
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/fake_dorvix/fake_dorvix.cpp)
  add_library(FakeDorvix SHARED tests/fake_dorvix/fake_dorvix.cpp programs/dorvix/dorvix.def)
  set_target_properties(FakeDorvix PROPERTIES PREFIX "" OUTPUT_NAME FakeDorvix)
  target_link_options(FakeDorvix PRIVATE ${TICORA_STATIC} -Wl,--enable-stdcall-fixup)
  add_dependencies(e2e_tests FakeDorvix)
endif()

# The clock whose time starts where the command line says, for tests that
# must not race the wall clock's minute.
add_executable(TicoraAtTime WIN32 programs/ticora/ticora_main_win.cpp resources/ticora.rc)
target_compile_definitions(TicoraAtTime PRIVATE TICORA_START_TIME_SEAM)
target_link_libraries(TicoraAtTime PRIVATE dialogs clock)
target_link_options(TicoraAtTime PRIVATE ${TICORA_STATIC})
add_dependencies(e2e_tests TicoraAtTime)

# Programs and libraries the end-to-end tests put into program directories:
# a probe that calls the helper library's bindings, and a library by the
# helper's name without its entries.
add_executable(helper_calls_probe WIN32 tests/probes/helper_calls_probe.cpp)
target_link_libraries(helper_calls_probe PRIVATE clock)
target_link_options(helper_calls_probe PRIVATE ${TICORA_STATIC})
add_library(EmptyDorvix SHARED tests/probes/empty_library.cpp)
set_target_properties(EmptyDorvix PROPERTIES PREFIX "" OUTPUT_NAME EmptyDorvix)
target_link_options(EmptyDorvix PRIVATE ${TICORA_STATIC})
add_dependencies(e2e_tests helper_calls_probe EmptyDorvix)

# Differential test of the INI engine against the platform's profile functions.
file(GLOB INI_WINE_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine_ini/*.cpp)
if(INI_WINE_SRC)
  add_executable(ini_wine_tests ${INI_WINE_SRC})
  target_compile_definitions(ini_wine_tests PRIVATE ${TEST_DEFS})
  target_link_libraries(ini_wine_tests PRIVATE base gtest_main gtest)
  target_link_options(ini_wine_tests PRIVATE ${TICORA_STATIC})
  add_test(NAME ini_wine_tests COMMAND ini_wine_tests --gtest_brief=1)
  # The program the path test copies into a deep directory and starts there.
  add_executable(program_path_probe tests/probes/program_path_probe.cpp)
  target_link_libraries(program_path_probe PRIVATE base)
  target_link_options(program_path_probe PRIVATE ${TICORA_STATIC})
  add_dependencies(ini_wine_tests program_path_probe)
  # The path helpers under a Western (1252) and a Japanese (932) code page as
  # well, each in a prefix of its own.
  foreach(cp "1252;en_US.UTF-8" "932;ja_JP.UTF-8")
    list(GET cp 0 page)
    list(GET cp 1 lang)
    add_test(NAME paths_cp${page}
             COMMAND env TICORA_WINE_LANG=${lang} TICORA_EXPECT_ACP=${page} ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh
                     ${CMAKE_BINARY_DIR}/wineprefix-cp${page} $<TARGET_FILE:ini_wine_tests>
                     --gtest_filter=SystemLeadBytePaths.* --gtest_brief=1)
    set_tests_properties(paths_cp${page} PROPERTIES TIMEOUT 600)
  endforeach()
endif()

# Dorvix under Wine: exports, version answers, and its branches with replaced system calls.
file(GLOB DORVIX_WINE_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine_dorvix/*.cpp)
if(DORVIX_WINE_SRC AND TARGET Dorvix)
  add_executable(dorvix_wine_tests ${DORVIX_WINE_SRC} ${DORVIX_SRC})
  target_compile_definitions(dorvix_wine_tests PRIVATE ${TEST_DEFS} DORVIX_STATIC_FOR_TESTS)
  target_link_libraries(dorvix_wine_tests PRIVATE sysutil gtest_main gtest advapi32 user32 kernel32)
  target_link_options(dorvix_wine_tests PRIVATE ${TICORA_STATIC})
  add_dependencies(dorvix_wine_tests Dorvix)
  add_test(NAME dorvix_wine_tests COMMAND dorvix_wine_tests --gtest_brief=1)
endif()

# The theme editor in-process, with its own resources (its templates share
# numbers with the clock's).
file(GLOB BELVANE_WINE_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine_belvane/*.cpp)
if(BELVANE_WINE_SRC AND TARGET Belvane)
  add_executable(belvane_wine_tests ${BELVANE_WINE_SRC} resources/belvane.rc)
  target_compile_definitions(belvane_wine_tests PRIVATE ${TEST_DEFS})
  target_link_libraries(belvane_wine_tests PRIVATE test_support themeedit reminders gtest_main gtest comdlg32 winmm)
  target_link_options(belvane_wine_tests PRIVATE ${TICORA_STATIC})
  add_test(NAME belvane_wine_tests COMMAND belvane_wine_tests --gtest_brief=1)
  set_tests_properties(belvane_wine_tests PROPERTIES TIMEOUT 1200)
endif()

add_test(NAME check_imports COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-imports.sh $<TARGET_FILE:Ticora> $<TARGET_FILE:Dorvix>)
# The theme editor links the file dialogs and the sound player directly.
if(TARGET Belvane)
  add_test(NAME check_imports_belvane COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-imports.sh
           --may-link comdlg32.dll --may-link winmm.dll $<TARGET_FILE:Belvane>)
  # Belvane stays small: nothing of the clock's or the reminders' code is linked in.
  add_test(NAME belvane_links_no_clock_code
           COMMAND sh -c "grep -q 'libthemeedit.a' '${CMAKE_BINARY_DIR}/Belvane.map' && ! grep -E -q 'lib(clock|reminders)[.]a[(]' '${CMAKE_BINARY_DIR}/Belvane.map'")
endif()
# Size budgets of the shipped files, static and stripped (KiB).
set(TICORA_SIZE_BUDGETS Ticora 256 Belvane 160 Dorvix 32)
set(size_args)
foreach(i RANGE 0 4 2)
  math(EXPR j "${i} + 1")
  list(GET TICORA_SIZE_BUDGETS ${i} target)
  list(GET TICORA_SIZE_BUDGETS ${j} budget)
  list(APPEND size_args ${budget} $<TARGET_FILE:${target}>)
endforeach()
add_test(NAME check_sizes COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-sizes.sh ${size_args})
# The size check refuses a file over its budget.
add_test(NAME check_sizes_refuses_oversize COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-sizes.sh 1 $<TARGET_FILE:Dorvix>)
set_tests_properties(check_sizes_refuses_oversize PROPERTIES PASS_REGULAR_EXPRESSION "FAIL: Dorvix.dll: [0-9]+ bytes .*, budget 1 KiB")
# The import check itself: it refuses a program that imports a monitor function
# directly, and a file in which it finds no imports at all (an object file, a
# text file) instead of passing it unread.
add_executable(monitor_import_probe tests/probes/monitor_import_probe.cpp)
target_link_libraries(monitor_import_probe PRIVATE user32)
target_link_options(monitor_import_probe PRIVATE ${TICORA_STATIC})
add_test(NAME check_imports_refuses_direct_monitor_import
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-imports.sh $<TARGET_FILE:monitor_import_probe>)
add_test(NAME check_imports_refuses_a_file_without_imports
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-imports.sh $<TARGET_OBJECTS:monitor_import_probe>
                 ${CMAKE_SOURCE_DIR}/README.md)
set_tests_properties(check_imports_refuses_direct_monitor_import PROPERTIES
  PASS_REGULAR_EXPRESSION "FAIL: monitor_import_probe.exe imports EnumDisplayMonitors directly")
set_tests_properties(check_imports_refuses_a_file_without_imports PROPERTIES
  PASS_REGULAR_EXPRESSION "FAIL: monitor_import_probe.cpp.obj: no imported functions found.*\nFAIL: README.md: cannot read")
# Generous: where 32-bit Wine runs under an emulator, program starts are slow.
set_tests_properties(wine_tests e2e_tests PROPERTIES TIMEOUT 1200)
# Dialogs take the activation: tests that open them in different processes
# would take it from each other's dialogs, so they use the desktop in turn.
foreach(t wine_tests e2e_tests belvane_wine_tests)
  if(TEST ${t})
    set_tests_properties(${t} PROPERTIES RESOURCE_LOCK wine_desktop)
  endif()
endforeach()
foreach(t ini_wine_tests dorvix_wine_tests)
  if(TEST ${t})
    set_tests_properties(${t} PROPERTIES TIMEOUT 1200)
  endif()
endforeach()
