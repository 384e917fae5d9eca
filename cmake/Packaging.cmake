# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts beside the executable (the desktop entry, the icon and the
# documents of PackageDocuments.cmake), the Debian package that CPack builds from the same
# installation (its file times from PackageTimes.cmake), and the test of both.

# Installed beside the system's Qt, the program needs no library search path of its own.
set_target_properties(karvo PROPERTIES INSTALL_RPATH "")
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.karvo.Karvo.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/karvo.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME karvo)
set(CPACK_PACKAGE_VENDOR Karvo)
# Whoever publishes the package sets their own address: -DKARVO_PACKAGE_CONTACT="Name <mail>".
set(KARVO_PACKAGE_CONTACT "Karvo developers <karvo@example.org>" CACHE STRING
  "Maintainer of the Debian package")
set(CPACK_PACKAGE_CONTACT "${KARVO_PACKAGE_CONTACT}")
# The changelog names the maintainer, so the documents come after the setting.
include(${CMAKE_CURRENT_LIST_DIR}/PackageDocuments.cmake)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "concrete and mortar calculator for concrete mixer work (in French)")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Karvo is a small desktop calculator, in French, for placing concrete or\n"
  "mortar with a concrete mixer. From the dosage, the volume to place and the\n"
  "capacity of the mixer it shows the cement, sand, gravel and water to buy,\n"
  "what they cost, the loads of each batch and the working time.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
# The libraries come from dpkg-shlibdeps; the windows' Arial is Liberation Sans; Qt's own
# dialogs and menus speak French with Qt's translations; a Wayland desktop without XWayland, or
# QT_QPA_PLATFORM=wayland, needs Qt's Wayland platform.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The package's times are not the build's: PackageTimes.cmake picks them when cpack runs, from
# the source folder's history or, as a last resort, the release day.
set(CPACK_KARVO_RELEASE_DATE ${KARVO_RELEASE_DATE})
set(CPACK_KARVO_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageTimes.cmake)
include(CPack)

add_test(NAME install_layout
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-install.sh ${CMAKE_BINARY_DIR})
