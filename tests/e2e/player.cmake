# The player page: its script's syntax, and compiled shows played in Debian's
# headless chromium (playwright-core and axe-core from scripts/deps.sh --test).
find_program(NODE_PROGRAM node)
if(NODE_PROGRAM)
  add_test(NAME player_script_syntax
           COMMAND ${NODE_PROGRAM} --check ${PROJECT_SOURCE_DIR}/src/compiler/player/player.js)
  # player_page_in_chromium: player_browser.js; player_page_in_use: player_use_browser.js.
  foreach(name chromium use)
    set(script player_browser.js)
    if(name STREQUAL "use")
      set(script player_use_browser.js)
    endif()
    add_test(NAME player_page_in_${name}
             COMMAND ${NODE_PROGRAM} ${CMAKE_CURRENT_SOURCE_DIR}/e2e/${script}
                     $<TARGET_FILE:pevrano-slideshow> ${PROJECT_SOURCE_DIR}/examples/pictures)
    set_tests_properties(player_page_in_${name} PROPERTIES ENVIRONMENT "${TEST_ENV}" TIMEOUT 300)
  endforeach()
endif()
