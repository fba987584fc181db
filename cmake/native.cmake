# Native tree: the portable core's tests, the data generator and host tools.
include(${CMAKE_SOURCE_DIR}/tests/native_tests.cmake)
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/CMakeLists.txt)
  add_subdirectory(tools)
endif()
