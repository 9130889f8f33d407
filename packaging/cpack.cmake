# A Debian package from the built tree: cpack -G DEB in the build folder.
# The package installs into /usr whatever prefix the tree was configured
# with; the programs find their data relative to themselves.
set(CPACK_PACKAGE_NAME parlora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Parlora developers")
set(CPACK_PACKAGE_CONTACT "The Parlora developers <info@parlora.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://parlora.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Italian-Portuguese dictionary")
# Debian shows the description as written: lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Parlora translates words and short expressions from Italian to Portuguese"
  "and from Portuguese to Italian. It shows the whole-entry translations,"
  "words of similar spelling, the entries and phrasebook phrases that contain"
  "the word, and the entries of a word's base form (parliamo finds parlare)."
  "A personal dictionary keeps the user's own word pairs."
  "."
  "parlora-lookup searches the same data from a terminal, also as JSON.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders the package creates get the usual modes, whatever the umask of
# the machine that built it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps. The SVG pictures
# are drawn by Qt's SVG plugins, which no program links, so they are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# Base forms work without the system's dictionaries, only with fewer words;
# the help pages open in the browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-it, hunspell-pt-br | hunspell-pt-pt, xdg-utils")
# Without it Qt runs through XWayland on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")

include(CPack)
