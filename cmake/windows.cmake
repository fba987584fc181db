# Windows tree: shell libraries, the three deliverables, and the tests that run under Wine.
enable_language(RC)
add_compile_definitions(WINVER=0x0500 _WIN32_WINNT=0x0500 _WIN32_IE=0x0500 NOMINMAX)

# The native tree makes the generated data (target generated_data); this tree
# takes the folders it writes from that tree's cache, so both always agree.
cmake_path(SET default_native NORMALIZE "${CMAKE_BINARY_DIR}/../native")
set(TICORA_NATIVE_DIR "${default_native}" CACHE PATH "The native build tree of this source tree (data generator)")
if(NOT EXISTS ${TICORA_NATIVE_DIR}/CMakeCache.txt)
  message(FATAL_ERROR "No native build tree at ${TICORA_NATIVE_DIR} (TICORA_NATIVE_DIR): it makes the generated "
                      "data this tree needs. Configure it first (cmake -S ${CMAKE_SOURCE_DIR} -B ${TICORA_NATIVE_DIR}), "
                      "or run scripts/build.sh, which sets up both trees.")
endif()
load_cache(${TICORA_NATIVE_DIR} READ_WITH_PREFIX NATIVE_ CMAKE_HOME_DIRECTORY TICORA_GEN_DIR TICORA_DIST_DIR)
if(NOT NATIVE_CMAKE_HOME_DIRECTORY STREQUAL CMAKE_SOURCE_DIR OR NOT NATIVE_TICORA_GEN_DIR OR NOT NATIVE_TICORA_DIST_DIR)
  message(FATAL_ERROR "${TICORA_NATIVE_DIR} is not a configured native tree of ${CMAKE_SOURCE_DIR}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TICORA_NATIVE_DIR}/CMakeCache.txt)
# Set by earlier versions of the build script; the native tree decides now.
unset(TICORA_GEN_DIR CACHE)
unset(TICORA_DIST_DIR CACHE)
set(TICORA_GEN_DIR ${NATIVE_TICORA_GEN_DIR})
set(TICORA_DIST_DIR ${NATIVE_TICORA_DIST_DIR})
include(${CMAKE_SOURCE_DIR}/cmake/generated_data.cmake)
ticora_generated_files(DATAGEN_OUTPUTS DATAGEN_GEN_OUTPUTS)
# Always run: the native tree's own build decides whether anything is out of
# date. That build runs on its own (one job) beside this one, not as a part of
# this make's job pool, which a command of a custom target cannot join.
add_custom_target(generated_data
  COMMAND ${CMAKE_COMMAND} -E env --unset=MAKEFLAGS --unset=MFLAGS --unset=MAKELEVEL
          ${CMAKE_COMMAND} --build ${TICORA_NATIVE_DIR} --target generated_data
  BYPRODUCTS ${DATAGEN_OUTPUTS}
  COMMENT "Bringing the generated data up to date (native tree ${TICORA_NATIVE_DIR})"
  VERBATIM)
set(CMAKE_RC_FLAGS "-c 65001 -I ${TICORA_GEN_DIR} -I ${CMAKE_SOURCE_DIR}/resources -I ${CMAKE_SOURCE_DIR}")
# Static runtime; the shipped programs are also stripped.
set(TICORA_STATIC -static -static-libgcc -static-libstdc++ -Wl,--gc-sections)
# The shipped programs take the lighter pieces of the C++ runtime in
# base/runtime (its terminate handler and the containers' throwers).
set(TICORA_PROGRAM_RUNTIME ${CMAKE_SOURCE_DIR}/base/runtime/lean_runtime_win.cpp)

# Size: this tree builds for size (the shipped programs, the Wine tests and
# the tools alike); the native tree and GoogleTest keep the default. The files
# of the clock's tick and of the skin outline scan keep -O2: their speed is
# measured by tools/bench_win/tick_bench and skin_region_bench.
# Every function and datum in a section of its own, so that the linker drops
# what no program calls (a folder's file often serves several programs).
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG -ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG -ffunction-sections -fdata-sections -include ${CMAKE_SOURCE_DIR}/base/runtime/string_instances.h")
set_source_files_properties(
  clock/analog_face_win.cpp clock/digital_face_win.cpp clock/clock_face_ops_win.cpp clock/face_geometry.cpp
  clock/region_shapes.cpp clock/skin_region_win.cpp clock/skin_scan.cpp
  PROPERTIES COMPILE_OPTIONS -O2)

# Every Windows executable built here runs under Wine, in a private prefix of this build tree.
set(TICORA_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/scripts/wine-run.sh;${TICORA_WINEPREFIX}")
add_custom_command(OUTPUT ${TICORA_WINEPREFIX}/.ready
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/make-prefix.sh ${TICORA_WINEPREFIX}
  COMMENT "Creating the Wine prefix for the tests")
add_custom_target(wineprefix ALL DEPENDS ${TICORA_WINEPREFIX}/.ready)

# The folders' libraries and the programs are built without exceptions and
# without unwind records: nothing in them throws or catches, so the programs
# link neither the unwinder nor the thread library it needs. Nor do they ask
# a type at run time (no dynamic_cast, no typeid): without type records the
# clock's program is 7.5 KiB smaller. The tests and the
# tools keep exceptions (GoogleTest uses them); their own code links with
# these objects as it is. Function-local statics are made without a lock
# (the runtime's lock is what needs the thread library): the programs run
# their code on the one UI thread and start no thread of their own.
set(TICORA_NO_EXCEPTIONS -fno-rtti -fno-exceptions -fno-asynchronous-unwind-tables -fno-unwind-tables -fno-threadsafe-statics)
foreach(dir ${TICORA_FOLDER_LIBS})
  get_target_property(type ${dir} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    target_compile_options(${dir} PRIVATE ${TICORA_NO_EXCEPTIONS})
  endif()
endforeach()

# Ticora.exe
add_executable(Ticora WIN32 programs/ticora/ticora_main_win.cpp ${TICORA_PROGRAM_RUNTIME} resources/ticora.rc)
target_link_libraries(Ticora PRIVATE dialogs clock)
target_compile_options(Ticora PRIVATE ${TICORA_NO_EXCEPTIONS})
target_link_options(Ticora PRIVATE ${TICORA_STATIC} -s -Wl,-Map=${CMAKE_BINARY_DIR}/Ticora.map)

# Dorvix.dll
if(EXISTS ${CMAKE_SOURCE_DIR}/programs/dorvix/dorvix.def)
  file(GLOB DORVIX_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/programs/dorvix/*_win.cpp)
  add_library(Dorvix SHARED ${DORVIX_SRC} programs/dorvix/dorvix.def resources/dorvix.rc)
  set_target_properties(Dorvix PROPERTIES PREFIX "" OUTPUT_NAME Dorvix)
  target_link_libraries(Dorvix PRIVATE sysutil advapi32 user32 kernel32)
  # Plain system calls that neither throw nor call back into their caller: no
  # exception can pass through the library, which therefore needs no unwind
  # records.
  target_compile_options(Dorvix PRIVATE ${TICORA_NO_EXCEPTIONS})
  target_link_options(Dorvix PRIVATE ${TICORA_STATIC} -s -Wl,--enable-stdcall-fixup)
endif()

# Belvane.exe
if(EXISTS ${CMAKE_SOURCE_DIR}/programs/belvane/belvane_main_win.cpp)
  add_executable(Belvane WIN32 programs/belvane/belvane_main_win.cpp ${TICORA_PROGRAM_RUNTIME} resources/belvane.rc)
  target_link_libraries(Belvane PRIVATE themeedit comdlg32 winmm)
  target_compile_options(Belvane PRIVATE ${TICORA_NO_EXCEPTIONS})
  # The link map shows what Belvane takes in (a test checks it holds no clock code).
  target_link_options(Belvane PRIVATE ${TICORA_STATIC} -s -Wl,-Map=${CMAKE_BINARY_DIR}/Belvane.map)
endif()

# Stage the programs beside the generated data files.
set(TICORA_PROGRAMS Ticora)
foreach(t Dorvix Belvane)
  if(TARGET ${t})
    list(APPEND TICORA_PROGRAMS ${t})
  endif()
endforeach()
set(stage_cmds)
foreach(t ${TICORA_PROGRAMS})
  list(APPEND stage_cmds COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${t}> ${TICORA_DIST_DIR}/)
endforeach()
add_custom_target(dist ALL ${CMAKE_COMMAND} -E make_directory ${TICORA_DIST_DIR} ${stage_cmds}
  DEPENDS ${TICORA_PROGRAMS} COMMENT "Staging the programs into ${TICORA_DIST_DIR}")
add_dependencies(dist generated_data)

# Benchmarks and visual-check helpers that run under Wine (not tests):
# tools/bench_win/<name>.cpp and tools/visual_win/<name>.cpp -> <name>.exe,
# with <name>.rc beside it when there is one. They may use the shared test
# helpers (drawing surfaces, test dialogs).
file(GLOB BENCH_WIN_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/bench_win/*.cpp
     ${CMAKE_SOURCE_DIR}/tools/visual_win/*.cpp)
# The slow reference constructions (tests/reference), for the tests and for
# the benchmarks that compare against them.
file(GLOB REFERENCE_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/reference/*.cpp)
add_library(reference STATIC ${REFERENCE_SRC})
target_link_libraries(reference PUBLIC clock)
foreach(src ${BENCH_WIN_SRC})
  get_filename_component(name ${src} NAME_WE)
  get_filename_component(dir ${src} DIRECTORY)
  set(rc resources/ticora.rc)
  set(libs reference test_support dialogs clock)
  # Helpers of the theme editor take its resources and its library.
  if(name MATCHES "^belvane_")
    set(rc resources/belvane.rc)
    set(libs test_support themeedit comdlg32 winmm)
  endif()
  if(EXISTS ${dir}/${name}.rc)
    list(APPEND rc ${dir}/${name}.rc)
  endif()
  add_executable(${name} ${src} ${rc})
  target_link_libraries(${name} PRIVATE ${libs})
  target_link_options(${name} PRIVATE ${TICORA_STATIC})
endforeach()

# The bare program start_bench compares Ticora's start with: linked like the
# shipped programs.
add_executable(bare_window WIN32 tools/bench_win/bare_window/bare_window_main_win.cpp)
target_link_options(bare_window PRIVATE ${TICORA_STATIC} -s)

include(${CMAKE_SOURCE_DIR}/tests/windows_tests.cmake)

# Resource scripts include the generated icons, cursor and banners: each is
# compiled again when they change, and every target that compiles one waits
# for the generation first.
file(GLOB TICORA_RC_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.rc)
set_property(SOURCE ${TICORA_RC_FILES} APPEND PROPERTY OBJECT_DEPENDS ${DATAGEN_GEN_OUTPUTS})
# and when the programs' manifests change.
file(GLOB TICORA_MANIFESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.manifest)
set_property(SOURCE ${TICORA_RC_FILES} APPEND PROPERTY OBJECT_DEPENDS ${TICORA_MANIFESTS})
get_property(all_targets DIRECTORY PROPERTY BUILDSYSTEM_TARGETS)
foreach(t ${all_targets})
  get_target_property(sources ${t} SOURCES)
  if(sources MATCHES "(^|;|/)resources/[^;]*\\.rc(;|$)")
    add_dependencies(${t} generated_data)
  endif()
endforeach()

# Link check: every object of a folder's library, linked on its own against
# only the folders it declares (and the system's libraries). A reference to a
# folder it does not declare, such as one up the layers, fails this link even
# where a program's link would happen to resolve it.
foreach(dir ${TICORA_FOLDER_LIBS})
  get_target_property(type ${dir} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    add_library(${dir}_link_check SHARED ${CMAKE_SOURCE_DIR}/tools/linkcheck/link_check.cpp)
    target_link_libraries(${dir}_link_check PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${dir}>")
    target_link_options(${dir}_link_check PRIVATE ${TICORA_STATIC})
  endif()
endforeach()

# The version stamped on the programs, the read-me, the zip and the installer.
include(${CMAKE_SOURCE_DIR}/cmake/package.cmake)
