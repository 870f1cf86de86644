# The help pages beside a program in the build tree, as they sit beside the installed one. They are
# copied again whenever a page changes, not only when a program is linked, so that a build never
# shows help older than its sources. Programs in one folder share one copy.
file(GLOB KOLBEX_HELP_PAGES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/help/*)

function(kolbex_help_beside target)
  file(RELATIVE_PATH folder ${PROJECT_BINARY_DIR} ${CMAKE_CURRENT_BINARY_DIR})
  string(MAKE_C_IDENTIFIER "kolbex_help_${folder}" copy)
  if(NOT TARGET ${copy})
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/help.stamp)
    add_custom_command(OUTPUT ${stamp}
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/data/help
              ${CMAKE_CURRENT_BINARY_DIR}/help
      COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
      DEPENDS ${KOLBEX_HELP_PAGES}
      COMMENT "Copying the help pages to ${folder}")
    add_custom_target(${copy} DEPENDS ${stamp})
  endif()
  add_dependencies(${target} ${copy})
endfunction()
