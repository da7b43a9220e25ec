# The Debian package: `cpack -G DEB` in the build folder makes drawsmith_<version>_<arch>.deb,
# which installs the program, its samples and help pages in /usr/lib/drawsmith, a link in
# /usr/bin, the desktop entry, the icon and the AppStream description. The translations are
# built into the program (resources under :/i18n), so they need no file of their own.
set(CPACK_PACKAGE_NAME drawsmith)
set(CPACK_PACKAGE_VENDOR "Drawsmith")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lotto systems, targeted sets and their expected return")
set(CPACK_PACKAGE_DESCRIPTION
    "Keeps lotto games with their draw histories, builds targeted sets of numbers, expands\n\
abbreviated wheels into tickets and shows what they cost, what they would have won and what\n\
playing them returns on average.")
set(CPACK_PACKAGE_CONTACT "Drawsmith developers <drawsmith@localhost>")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# The install step runs with the final prefix (/usr) under a staging DESTDIR, so the desktop
# entry and the /usr/bin link name the installed program, not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The display plugins are loaded at run time, so dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
include(CPack)
