# `cpack -G DEB` in a build folder makes a Debian package of everything installed.
# Run dependencies are listed by hand (dpkg-shlibdeps then adds exact library versions
# where it is installed): the Qt libraries, the platform plugins for X11 and Wayland,
# the SVG plugin for the icons, and ICU.
set(CPACK_PACKAGE_NAME tidyra)
set(CPACK_PACKAGE_VENDOR "The Tidyra developers")
set(CPACK_PACKAGE_CONTACT "The Tidyra developers <tidyra@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sort the files of a folder into category folders")
set(CPACK_PACKAGE_DESCRIPTION
    "Tidyra tidies one folder at a time: it sorts the files lying directly in it into\n"
    "category folders (Images, Documents, Videos, ...), with a preview first and an\n"
    "undo after. It sits in the system tray; tidyra-cli does the same from a terminal.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/tidyra/tidyra")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}\n ${CPACK_PACKAGE_DESCRIPTION}")
string(REPLACE "\n" "\n " CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(tidyra_deb_depends
    "libc6" "libstdc++6" "libicu72"
    "libqt6core6 (>= 6.4)" "libqt6gui6 (>= 6.4)" "libqt6widgets6 (>= 6.4)"
    "libqt6network6 (>= 6.4)" "libqt6svg6 (>= 6.4)"
    "qt6-qpa-plugins" "qt6-wayland")
list(JOIN tidyra_deb_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# Qt's own translations, for the texts of the file dialog.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
find_program(TIDYRA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TIDYRA_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
