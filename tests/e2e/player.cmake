# The player page: its script's syntax, and compiled shows played in Debian's
# headless chromium (playwright-core and axe-core from scripts/deps.sh --test).
find_program(NODE_PROGRAM node)
if(NODE_PROGRAM)
  add_test(NAME player_script_syntax
           COMMAND ${NODE_PROGRAM} --check ${PROJECT_SOURCE_DIR}/src/compiler/player/player.js)
  # Each test with its script.
  foreach(pair player_page_in_chromium:player_browser.js player_page_in_use:player_use_browser.js
               player_page_with_clips:player_clips_browser.js)
    string(REPLACE ":" ";" test_and_script ${pair})
    list(GET test_and_script 0 test)
    list(GET test_and_script 1 script)
    add_test(NAME ${test}
             COMMAND ${NODE_PROGRAM} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/${script}
                     $<TARGET_FILE:pevrano-slideshow> ${PROJECT_SOURCE_DIR}/examples/pictures)
    set_tests_properties(${test} PROPERTIES ENVIRONMENT "${TEST_ENV}" TIMEOUT 300)
  endforeach()
endif()
