# The Debian package, made by `cpack -G DEB` in the build folder (or by
# scripts/paquet.sh from a Release build of the program alone).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vibralume)
set(CPACK_PACKAGE_VENDOR "${VIBRALUME_AUTEURS}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VIBRALUME_MAINTENEUR}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${VIBRALUME_PAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching simulation of a sound wave in a gas or a solid")
set(CPACK_PACKAGE_DESCRIPTION [[
Vibralume shows pupils a microscopic model of a sound wave travelling along
a gas or a solid: fifty slices of particles pushed by a vibrator. They
choose a progressive wave, standing waves or solitary pulses; set the
frequency, the amplitude and the speed; place two pressure sensors and read
them on an oscilloscope; compare the motion with a ruler and with the
wavelength; and hear a tone a thousand times the vibrator's frequency.

It is written for physics classes, runs the same on a school machine as on
a projector, and its interface is in French.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/Allege.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps. The fonts are compiled into the
# program, and Qt's xcb platform and SVG icon plugins come with libqt6gui6 and
# libqt6svg6, which the libraries already pull in. Qt's own texts (dialog
# buttons, standard menus) are French only with Qt's translations, which no
# library pulls in. The tone needs a sound server, but the program runs silent
# without one.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio")

include(CPack)
