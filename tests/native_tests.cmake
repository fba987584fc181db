# Native GoogleTest tests of the portable core: every tests/native/*.cpp.
file(GLOB NATIVE_TEST_SRC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(native_tests ${NATIVE_TEST_SRC})
target_link_libraries(native_tests PRIVATE ${TICORA_CORE_LINK} gtest_main gtest)
add_test(NAME native_tests COMMAND native_tests --gtest_brief=1)
