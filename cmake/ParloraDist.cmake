# Copies dist/ (dic, lang, help) beside the executables. Files the program
# writes at run time (parlora.ini, dic/portital.per) are never shipped in dist/,
# so a rebuild cannot overwrite the user's own data.
set(PARLORA_APP_DIR ${CMAKE_BINARY_DIR}/app)
file(GLOB_RECURSE PARLORA_DIST_FILES CONFIGURE_DEPENDS
     RELATIVE ${CMAKE_SOURCE_DIR}/dist ${CMAKE_SOURCE_DIR}/dist/*)
list(FILTER PARLORA_DIST_FILES EXCLUDE REGEX "(^|/)\\.gitkeep$")
set(PARLORA_DIST_OUTPUTS "")
foreach(rel IN LISTS PARLORA_DIST_FILES)
  add_custom_command(
    OUTPUT ${PARLORA_APP_DIR}/${rel}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            ${CMAKE_SOURCE_DIR}/dist/${rel} ${PARLORA_APP_DIR}/${rel}
    DEPENDS ${CMAKE_SOURCE_DIR}/dist/${rel}
    VERBATIM)
  list(APPEND PARLORA_DIST_OUTPUTS ${PARLORA_APP_DIR}/${rel})
endforeach()
add_custom_target(parlora_dist ALL DEPENDS ${PARLORA_DIST_OUTPUTS})

# The installation puts these files, the programs and the desktop files into
# the GNU layout.
include(${CMAKE_CURRENT_LIST_DIR}/ParloraInstall.cmake)
