# The player page: its script's syntax, and compiled shows played in Debian's
# headless chromium (playwright-core and axe-core from scripts/deps.sh --test).
find_program(NODE_PROGRAM node)
if(NODE_PROGRAM)
  add_test(NAME player_script_syntax
           COMMAND ${NODE_PROGRAM} --check ${PROJECT_SOURCE_DIR}/src/compiler/player/player.js)
  add_test(NAME player_page_in_chromium
           COMMAND ${NODE_PROGRAM} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/player_browser.js
                   $<TARGET_FILE:pevrano-slideshow> ${PROJECT_SOURCE_DIR}/examples/pictures)
  set_tests_properties(player_page_in_chromium PROPERTIES ENVIRONMENT "${TEST_ENV}" TIMEOUT 300)
endif()
