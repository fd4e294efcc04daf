# The program folder's generated pictures and applet archive: the GIF writer
# against Qt's own GIF reader, and the installed files themselves.
add_executable(asset_tests ${CMAKE_CURRENT_SOURCE_DIR}/assets/AssetsTest.cpp)
target_link_libraries(asset_tests PRIVATE asset_painters GTest::gtest GTest::gtest_main)
target_compile_definitions(asset_tests PRIVATE PEVRANO_PROGRAM_FOLDER="${PROGRAM_FOLDER}")
# Kept out of the program folder like the generator itself.
set_target_properties(asset_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
add_dependencies(asset_tests asset_pictures)
if(TARGET applet_jar)
  add_dependencies(asset_tests applet_jar)
  target_compile_definitions(asset_tests PRIVATE PEVRANO_HAVE_APPLET=1)
endif()
gtest_discover_tests(asset_tests DISCOVERY_MODE PRE_TEST)
