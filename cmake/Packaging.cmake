# The Debian package of the game and its companion, built by `cpack` (see scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME crosssums)
set(CPACK_PACKAGE_VENDOR "Cross Sums developers")
set(CPACK_PACKAGE_CONTACT "${XS_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Cross Sums are number puzzles laid out like a crossword: the digits 1 to 9 fill\n"
    "the white squares so that every run adds up to the total in the black square\n"
    "before it, with no digit twice in a run.\n"
    "\n"
    "The game makes its own puzzles in four sizes and five star levels, each with\n"
    "exactly one solution, keeps a library of up to 100 puzzles with the player's\n"
    "progress, helps with a pad of possible digits in every square and the digit\n"
    "combinations of every run, and prints puzzles and answers. A command-line\n"
    "companion, crosssums-cli, lists, shows, makes and prints puzzles.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries come from the binaries; the Qt platform plugins, the SQLite driver of the
# history, Qt's translations of its dialogs and the fonts the screens and pages are measured in are
# loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, libqt6sql6-sqlite, fonts-dejavu-core, fonts-dejavu-extra, fonts-liberation")

include(CPack)
