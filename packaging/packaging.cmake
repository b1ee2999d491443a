# Installation and the Debian package.
#
# `cmake --install` puts vorelim and korvex in bin/ (rules beside their targets), and here: the
# program's data folder share/vorelim/ (where the help file Vorelim.hlp belongs; the texts and
# pictures are embedded in the program), the desktop entry and the 32 x 32 icon, so the chart
# program shows in a desktop's application menu. Nothing of the build tree is used at run time.
#
# `cpack -G DEB` (or `make package`) builds vorelim_<version>_<arch>.deb. Its library dependencies
# come from dpkg-shlibdeps when it is installed (Debian's dpkg-dev), else from the fixed list
# below; the fonts that stand in for the designed faces are always added.
include(GNUInstallDirs)

install(DIRECTORY DESTINATION ${CMAKE_INSTALL_DATADIR}/vorelim)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vorelim.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The application icon, drawn for each size by resources/icons/make_icons.py, and as SVG.
set(vorelim_icons ${PROJECT_SOURCE_DIR}/resources/icons)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${vorelim_icons}/vorelim-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME vorelim.png)
endforeach()
install(FILES ${vorelim_icons}/vorelim.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME "vorelim")
set(CPACK_PACKAGE_VENDOR "Mapa do Vorelim")
set(CPACK_PACKAGE_CONTACT "Mapa do Vorelim developers <vorelim@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Numerology chart program (Portuguese) and its CD launcher")
set(CPACK_PACKAGE_DESCRIPTION
    "vorelim (MAPA DO VORELIM) makes numerology charts from a name and a birth date: the \
three numbers, the element star and the year transits, with interpretation texts and printing. \
korvex is the small launcher that the product CD's help system starts.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(vorelim_fonts "fonts-liberation2, fonts-comfortaa")
find_program(VORELIM_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(VORELIM_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${vorelim_fonts}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6printsupport6 (>= 6.4), \
libqt6core6 (>= 6.4), libstdc++6 (>= 12), libc6 (>= 2.34), ${vorelim_fonts}")
endif()
# Qt's own dialogs (file open, print) in Portuguese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
