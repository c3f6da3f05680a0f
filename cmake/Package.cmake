# The Debian package of the game (`make package`), made by CPack's DEB generator
# from the same install rules as `cmake --install`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolmir)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${TOLMIR_COMPANY_NAME})
set(CPACK_PACKAGE_CONTACT ${TOLMIR_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dice game with five dice and a score sheet of eleven lines")
set(CPACK_PACKAGE_DESCRIPTION
    "Tolmir is a single-player dice game. Roll five dice up to three times a
turn, hold the ones you like, and write each hand into one of the eleven
lines of the score sheet. A total above 100 can enter the table of the ten
best results.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TOLMIR_HOME_PAGE})
# The libraries the executables link come from dpkg-shlibdeps; what the game
# opens at run time without a link is named here: SDL2, loaded with the first
# sound, and the fonts that stand in for the Windows ones.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0, fonts-dejavu-core, fonts-comic-neue")
# Qt's own dialogs and buttons in the player's language; the game's texts are built in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
