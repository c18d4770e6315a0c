# Install rules for the program and the Debian package (cpack -G DEB). The
# desktop files install from desktop/; the package holds exactly what
# `cmake --install` puts under /usr.
include(GNUInstallDirs)
install(TARGETS lunaplan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(NOT PROJECT_IS_TOP_LEVEL)
    return()
endif()

set(LUNAPLAN_PACKAGE_MAINTAINER "Lunaplan developers <lunaplan@example.org>"
    CACHE STRING "Maintainer field of the Debian package: name <e-mail>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lunaplan)
set(CPACK_PACKAGE_VENDOR Lunaplan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lesson plan and record of a Japanese school class")
set(CPACK_PACKAGE_DESCRIPTION
    "Lunaplan is for the class teacher of one Japanese elementary-school class. For one
school year it keeps the annual lesson plan, two weekly timetables, the school
calendar and a day-by-day record of the lessons held; it totals the hours per
subject in 15-minute units for each term and the year, compares them with the
plan and prints the annual, term and weekly reports. Its interface is Japanese.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/lunaplan/lunaplan)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LUNAPLAN_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from dpkg-shlibdeps. What Qt loads at run time and the
# program needs besides: the X11 platform plugin (only recommended by Qt), the
# Japanese translation of Qt's own dialogs and the IPA fonts that the screen
# and the reports are laid out for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-mincho, fonts-ipafont-gothic")
# Native windows on a Wayland desktop; without it Qt runs through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
