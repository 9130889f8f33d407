# cmake --install follows the GNU layout: the programs in bin, the read-only
# data in share/parlora, the desktop files where desktops look for them. The
# program finds its data beside itself (a build folder), then in
# ../share/parlora (an installation, wherever it was put), then in the
# folder compiled in here. Nothing the program writes goes into the prefix:
# an installed copy keeps the user's files in the user's folders.
include(GNUInstallDirs)

# The desktop's name for the program: desktop entry, icon, metainfo.
set(PARLORA_APP_ID org.parlora.Parlora)
set(PARLORA_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/parlora)
set(PARLORA_INSTALLED_DATA_DIR ${CMAKE_INSTALL_FULL_DATADIR}/parlora)
# GNUInstallDirs would name it after the project, capitalised; distributions
# want the package's name.
set(PARLORA_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/parlora)

install(DIRECTORY ${CMAKE_SOURCE_DIR}/dist/ DESTINATION ${PARLORA_DATA_INSTALL_DIR}
        PATTERN ".gitkeep" EXCLUDE)

add_subdirectory(${CMAKE_SOURCE_DIR}/packaging ${CMAKE_BINARY_DIR}/packaging)
include(${CMAKE_SOURCE_DIR}/packaging/cpack.cmake)
