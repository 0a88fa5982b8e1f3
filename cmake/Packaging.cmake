# `cpack -G DEB` in a build folder makes a Debian package of everything installed.
# Run dependencies: what the programs load at run time and dpkg-shlibdeps cannot see
# (the X11 and Wayland platform plugins, the SVG plugins that draw the icons) is
# listed here; the shared libraries they link are added by dpkg-shlibdeps with exact
# versions, or listed here too where that tool is missing.
set(CPACK_PACKAGE_NAME tidyra)
set(CPACK_PACKAGE_VENDOR "The Tidyra developers")
set(CPACK_PACKAGE_CONTACT "The Tidyra developers <tidyra@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sort the files of a folder into category folders")
# Lines of at most 80 characters, as Debian's tools want them.
set(CPACK_PACKAGE_DESCRIPTION "Tidyra tidies one folder at a time: it sorts the files lying \
directly in it
into category folders (Images, Documents, Videos, ...), with a preview first
and an undo after, even after a crash. It sits in the system tray; tidyra-cli
does the same from a terminal.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/tidyra/tidyra")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Files in the package owned by root and world-readable, as lintian checks.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(tidyra_deb_depends "qt6-qpa-plugins" "libqt6svg6 (>= 6.4)")
find_program(TIDYRA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(TIDYRA_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    list(APPEND tidyra_deb_depends "libc6 (>= 2.34)" "libstdc++6 (>= 11)" "libgcc-s1"
        "libicu72" "libqt6core6 (>= 6.4)" "libqt6gui6 (>= 6.4)" "libqt6widgets6 (>= 6.4)"
        "libqt6network6 (>= 6.4)" "libqt6dbus6 (>= 6.4)" "libtomlplusplus3")
endif()
list(JOIN tidyra_deb_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# Wayland's platform plugin: X11 sessions and XWayland do without it. Qt's own
# translations, for the texts of the file dialog.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

include(CPack)
