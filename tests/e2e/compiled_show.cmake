# The headless compile command: its process tests run the built executable,
# and the example show it compiles is played in Debian's headless chromium
# (playwright-core from scripts/deps.sh --test).
if(TARGET gui_tests)
  add_dependencies(gui_tests pevrano-slideshow program_folder_data)
endif()

find_program(NODE_PROGRAM node)
if(NODE_PROGRAM)
  add_test(NAME compiled_show_in_chromium
           COMMAND ${NODE_PROGRAM} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/compiled_show_browser.js
                   $<TARGET_FILE:pevrano-slideshow> ${PROJECT_SOURCE_DIR}/examples/show.json)
  set_tests_properties(compiled_show_in_chromium PROPERTIES ENVIRONMENT "${TEST_ENV}" TIMEOUT 180)
endif()
