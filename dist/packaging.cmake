# The Debian package kvor3m_VERSION_amd64.deb, made by scripts/package.sh from a build configured
# for the prefix /usr. dpkg-shlibdeps finds the libraries the programs link; what Qt loads at run
# time escapes it and is named here: the SVG plugin that draws the window's icon, the faces the
# captions were fitted in (DejaVu Sans Condensed, with Cyrillic) and Qt's own translations.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvor3m)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
# The owner has given no address: the project's name stands alone, and lintian says so.
set(CPACK_PACKAGE_CONTACT "Kvor3m")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-dejavu-core, fonts-dejavu-extra, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_KVOR_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip.cmake)
# CPack puts the summary on the first line and indents the rest, an empty line becoming " .".
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching simulator of the impact of two bodies in a plane")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kvor3m lets students type the parameters of two balls, or of a ball and an
absolutely rigid rod, and watch them collide: it integrates the equations of
motion with the classical fourth-order Runge-Kutta method, draws the
trajectories and the velocity and force curves against time, and shows the
energies, the momentum and an energy balance that tells how accurate the
numerical solution is. Runs can be recorded to a text file. The user
interface is Russian.

kvor3m-batch runs the same engine from a script, without a window.")
include(CPack)
