# Installing: the install rules into a temporary DESTDIR, with the installed
# program's headless compile, and the Debian package.
add_test(NAME install_layout
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/install_test.sh ${CMAKE_BINARY_DIR}
                 ${PROJECT_SOURCE_DIR})
add_test(NAME debian_package
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/install_test.sh ${CMAKE_BINARY_DIR}
                 ${PROJECT_SOURCE_DIR} --deb)
set_tests_properties(install_layout debian_package PROPERTIES ENVIRONMENT "${TEST_ENV}"
                                                              TIMEOUT 300)
