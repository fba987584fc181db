# Windows tree: the version every program carries, the read-me, and what a
# user downloads: the zip of the distribution folder and the installer, both
# named after the version, in build/package:
#   Ticora-<version>.zip        the folder Ticora-<version>/ with the programs and data files
#   Ticora-<version>-setup.exe  the installer (makensis, packaging/ticora.nsi)
# Both are part of the default build; scripts/package.sh builds them alone.

# The version numbers the resource scripts include, from the versions at the
# top of CMakeLists.txt.
string(REGEX MATCHALL "[0-9]+" belvane_parts "${BELVANE_VERSION}")
list(GET belvane_parts 0 BELVANE_VERSION_MAJOR)
list(GET belvane_parts 1 BELVANE_VERSION_MINOR)
list(GET belvane_parts 2 BELVANE_VERSION_PATCH)
set(TICORA_VERSION_DIR ${CMAKE_BINARY_DIR}/version)
configure_file(${CMAKE_SOURCE_DIR}/resources/ticora_version.h.in ${TICORA_VERSION_DIR}/ticora_version.h @ONLY)
string(APPEND CMAKE_RC_FLAGS " -I ${TICORA_VERSION_DIR}")
set_property(SOURCE ${TICORA_RC_FILES} APPEND PROPERTY OBJECT_DEPENDS ${TICORA_VERSION_DIR}/ticora_version.h)

find_program(TICORA_MAKENSIS makensis)
find_program(TICORA_ICONV iconv)
if(NOT TICORA_MAKENSIS OR NOT TICORA_ICONV)
  message(FATAL_ERROR "makensis and iconv are needed for the installer and the read-me (scripts/setup.sh installs them)")
endif()

get_filename_component(TICORA_PACKAGE_DIR ${TICORA_DIST_DIR} DIRECTORY)
set(TICORA_PACKAGE_DIR ${TICORA_PACKAGE_DIR}/package)
set(TICORA_PACKAGE_NAME Ticora-${PROJECT_VERSION})
set(TICORA_ZIP ${TICORA_PACKAGE_DIR}/${TICORA_PACKAGE_NAME}.zip)
set(TICORA_INSTALLER ${TICORA_PACKAGE_DIR}/${TICORA_PACKAGE_NAME}-setup.exe)
set(work ${CMAKE_BINARY_DIR}/package)

# The read-me a user opens in Notepad: GBK, CRLF line ends.
configure_file(${CMAKE_SOURCE_DIR}/packaging/ReadMe.txt.in ${work}/ReadMe-utf8.txt @ONLY NEWLINE_STYLE CRLF)
add_custom_command(OUTPUT ${TICORA_DIST_DIR}/ReadMe.txt
  COMMAND ${TICORA_ICONV} -f UTF-8 -t GBK -o ${TICORA_DIST_DIR}/ReadMe.txt ${work}/ReadMe-utf8.txt
  DEPENDS ${work}/ReadMe-utf8.txt
  COMMENT "Writing the read-me (GBK)" VERBATIM)
add_custom_target(readme DEPENDS ${TICORA_DIST_DIR}/ReadMe.txt)
add_dependencies(readme dist)

# What is shipped, relative to the distribution folder: the programs, the
# read-me and the generator's files. The settings file is a default the
# user's own copy replaces, so the installer keeps an existing one.
set(shipped ReadMe.txt)
foreach(t ${TICORA_PROGRAMS})
  get_target_property(kind ${t} TYPE)
  if(kind STREQUAL "SHARED_LIBRARY")
    list(APPEND shipped ${t}.dll)
  else()
    list(APPEND shipped ${t}.exe)
  endif()
endforeach()
foreach(f ${DATAGEN_OUTPUTS})
  cmake_path(IS_PREFIX TICORA_DIST_DIR "${f}" NORMALIZE in_dist)
  if(in_dist)
    cmake_path(RELATIVE_PATH f BASE_DIRECTORY ${TICORA_DIST_DIR})
    list(APPEND shipped ${f})
  endif()
endforeach()
list(REMOVE_DUPLICATES shipped)
set(kept Ticora.ini)

# The installer's file list (packaging/ticora.nsi's macros) and the zip's.
set(nsh "; Written by the build (cmake/package.cmake).\n")
set(dirs)
foreach(f ${shipped})
  get_filename_component(dir "${f}" DIRECTORY)
  get_filename_component(name "${f}" NAME)
  string(REPLACE "/" "\\" windir "${dir}")
  if(f IN_LIST kept)
    string(APPEND nsh "!insertmacro TICORA_KEEP \"${windir}\" \"${name}\"\n")
  else()
    string(APPEND nsh "!insertmacro TICORA_FILE \"${windir}\" \"${name}\"\n")
  endif()
  while(dir)
    list(APPEND dirs "${dir}")
    get_filename_component(dir "${dir}" DIRECTORY)
  endwhile()
endforeach()
# Deepest first, so that a directory is empty when its turn comes.
list(REMOVE_DUPLICATES dirs)
list(SORT dirs ORDER DESCENDING)
foreach(dir ${dirs})
  string(REPLACE "/" "\\" windir "${dir}")
  string(APPEND nsh "!insertmacro TICORA_DIR \"${windir}\"\n")
endforeach()
file(GENERATE OUTPUT ${work}/files.nsh CONTENT "${nsh}")
string(REPLACE ";" "\n" zip_list "${shipped}")
file(GENERATE OUTPUT ${work}/files.txt CONTENT "${zip_list}\n")

set(dist_files)
foreach(f ${shipped})
  list(APPEND dist_files ${TICORA_DIST_DIR}/${f})
endforeach()

# makensis runs in the distribution folder: the file list names files relative to it.
# ticora_installer(<output> <version>)
function(ticora_installer output version)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TICORA_PACKAGE_DIR}
    COMMAND ${TICORA_MAKENSIS} -V2 -NOCD -INPUTCHARSET UTF8
            -DVERSION=${version} -DOUTFILE=${output} -DFILES=${work}/files.nsh
            -DICON=${TICORA_GEN_DIR}/ticora.ico ${CMAKE_SOURCE_DIR}/packaging/ticora.nsi
    WORKING_DIRECTORY ${TICORA_DIST_DIR}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/ticora.nsi ${work}/files.nsh ${dist_files} ${TICORA_PROGRAMS} readme
    COMMENT "Building the installer ${output}" VERBATIM)
endfunction()
ticora_installer(${TICORA_INSTALLER} ${PROJECT_VERSION})

add_custom_command(OUTPUT ${TICORA_ZIP}
  COMMAND ${CMAKE_COMMAND} -DLIST=${work}/files.txt -DFROM=${TICORA_DIST_DIR}
          -DSTAGE=${work}/zip/${TICORA_PACKAGE_NAME} -DZIP=${TICORA_ZIP}
          -P ${CMAKE_SOURCE_DIR}/cmake/make_zip.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/cmake/make_zip.cmake ${work}/files.txt ${dist_files} ${TICORA_PROGRAMS} readme
  COMMENT "Building the zip ${TICORA_ZIP}" VERBATIM)
add_custom_target(release ALL DEPENDS ${TICORA_ZIP} ${TICORA_INSTALLER})

# The installer test, in a fresh prefix of its own each run: an older
# installer (the same files, a lower version) is installed first and the
# user's files put in, then this one over it.
set(older_installer ${work}/Ticora-1.0.0-setup.exe)
ticora_installer(${older_installer} 1.0.0)
add_custom_target(older_installer ALL DEPENDS ${older_installer})
string(REPLACE "/" "\\\\" installer_win "Z:${TICORA_INSTALLER}")
string(REPLACE "/" "\\\\" older_installer_win "Z:${older_installer}")
string(REPLACE "/" "\\\\" file_list_win "Z:${work}/files.txt")
add_executable(installer_tests ${CMAKE_SOURCE_DIR}/tests/installer/installer_test.cpp)
target_compile_definitions(installer_tests PRIVATE TICORA_TEST_INSTALLER="${installer_win}"
                           TICORA_TEST_OLDER_INSTALLER="${older_installer_win}"
                           TICORA_TEST_FILE_LIST="${file_list_win}")
target_include_directories(installer_tests PRIVATE ${TICORA_VERSION_DIR})
target_link_libraries(installer_tests PRIVATE test_support dialogs gtest_main gtest ole32 uuid shell32 advapi32)
target_link_options(installer_tests PRIVATE ${TICORA_STATIC})
add_dependencies(installer_tests release older_installer)
set(install_prefix ${CMAKE_BINARY_DIR}/wineprefix-install)
add_test(NAME installer_tests
         COMMAND sh -c "WINEPREFIX='${install_prefix}' wineserver -k 2>/dev/null; rm -rf '${install_prefix}' && exec \"$0\" \"$@\""
                 ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${install_prefix} $<TARGET_FILE:installer_tests> --gtest_brief=1)
set_tests_properties(installer_tests PROPERTIES LABELS package TIMEOUT 1200)

# The version every built program carries, read back under Wine.
target_include_directories(e2e_tests PRIVATE ${TICORA_VERSION_DIR})
target_link_libraries(e2e_tests PRIVATE version)
