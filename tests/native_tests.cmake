# Native GoogleTest tests of the portable core: every tests/native/*.cpp.
file(GLOB NATIVE_TEST_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
# The portable reference constructions the fast ones are checked against.
file(GLOB REFERENCE_CORE_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/reference/*.cpp)
list(FILTER REFERENCE_CORE_SRC EXCLUDE REGEX "_win\\.cpp$")
add_executable(native_tests ${NATIVE_TEST_SRC} ${REFERENCE_CORE_SRC})
target_link_libraries(native_tests PRIVATE ${TICORA_FOLDER_LIBS} gtest_main gtest)
add_test(NAME native_tests COMMAND native_tests --gtest_brief=1)
