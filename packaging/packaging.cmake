# Installation and the Debian package.
#
# `cmake --install` puts vorelim and korvex in bin/ (rules beside their targets), and here: the
# program's data folder share/vorelim/ (the manual's pages go to share/vorelim/manual, by
# resources/CMakeLists.txt; the texts and pictures are embedded in the program), the desktop entry
# with the icons, the chart files' MIME type, the AppStream metainfo, the manual pages, and the
# copyright and changelog of the package. Nothing of the build tree is used at run time.
#
# `cpack -G DEB` (or `make package`) builds vorelim_<version>_<arch>.deb. Its library dependencies
# come from dpkg-shlibdeps when it is installed (Debian's dpkg-dev), else from the fixed list
# below; the fonts that stand in for the designed faces and Qt's Portuguese texts are always added.
include(GNUInstallDirs)

install(DIRECTORY DESTINATION ${CMAKE_INSTALL_DATADIR}/vorelim)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vorelim.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The chart files (*.NUM), which the desktop entry opens.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vorelim-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vorelim.xml)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.vorelim.vorelim.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The application icon, drawn for each size by resources/icons/make_icons.py, and as SVG.
set(vorelim_icons ${PROJECT_SOURCE_DIR}/resources/icons)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${vorelim_icons}/vorelim-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME vorelim.png)
endforeach()
install(FILES ${vorelim_icons}/vorelim.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages and the changelog, compressed as Debian wants them: gzip -9, without the file's
# name and time, so the same sources give the same bytes.
find_program(VORELIM_GZIP gzip REQUIRED)
set(vorelim_compressed)
foreach(source man/vorelim.1 man/korvex.1 changelog)
  get_filename_component(name ${source} NAME)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "\"$0\" -9n -c \"$1\" > \"$2\"" ${VORELIM_GZIP}
            ${CMAKE_CURRENT_LIST_DIR}/${source} ${output}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${source} VERBATIM)
  list(APPEND vorelim_compressed ${output})
endforeach()
add_custom_target(vorelim_package_docs ALL DEPENDS ${vorelim_compressed})
set(vorelim_out ${CMAKE_CURRENT_BINARY_DIR}/packaging)
install(FILES ${vorelim_out}/vorelim.1.gz ${vorelim_out}/korvex.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${vorelim_out}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME "vorelim")
set(CPACK_PACKAGE_VENDOR "Mapa do Vorelim")
set(CPACK_PACKAGE_CONTACT "Equipe do Mapa do Vorelim <equipe@vorelim.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Numerology chart program (Portuguese) and its CD launcher")
# Lines of at most 80 characters: the package tools show them as they are.
set(CPACK_PACKAGE_DESCRIPTION
    "vorelim (MAPA DO VORELIM) makes numerology charts from a name and a birth date:
the three numbers, the element star and the year transits, with interpretation
texts and printing. Chart files (*.NUM) open from the file manager.
korvex is the small launcher that the product CD's help system starts.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vorelim.org/")
# The fonts that stand in for the designed faces, and Qt's own texts in Portuguese, so that its
# file, print, page set-up and overwrite dialogs speak the program's language.
set(vorelim_extra_depends "fonts-liberation2, fonts-comfortaa, qt6-translations-l10n")
find_program(VORELIM_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(VORELIM_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${vorelim_extra_depends}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6printsupport6 (>= 6.4), \
libqt6dbus6 (>= 6.4), libqt6core6 (>= 6.4), libstdc++6 (>= 12), libc6 (>= 2.34), \
${vorelim_extra_depends}")
endif()

# Qt's Wayland platform, so that the windows show natively in a Wayland session rather than
# through XWayland; without it Qt falls back to X11.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
