# The player page: its script's syntax, and compiled shows played in Debian's
# headless chromium (playwright-core and axe-core from scripts/deps.sh --test).
find_program(NODE_PROGRAM node)
if(NODE_PROGRAM)
  add_test(NAME player_script_syntax
           COMMAND ${NODE_PROGRAM} --check ${PROJECT_SOURCE_DIR}/src/compiler/player/player.js)
  foreach(check player_browser player_use_browser)
    string(REPLACE "player_browser" "player_page_in_chromium" name ${check})
    string(REPLACE "player_use_browser" "player_page_in_use" name ${name})
    add_test(NAME ${name}
             COMMAND ${NODE_PROGRAM} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/${check}.js
                     $<TARGET_FILE:pevrano-slideshow> ${PROJECT_SOURCE_DIR}/examples/pictures)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${TEST_ENV}" TIMEOUT 300)
  endforeach()
endif()
