# Installed layout (FHS and freedesktop.org): programs in bin/, plugrun and the sample plug-ins
# in a private lib/pixador/, the manual in share/doc/pixador/, desktop entry, icon and MIME type
# under share/. The editor finds lib/pixador/ and share/doc/pixador/ relative to its bin/
# (kInstalledPluginDir and kInstalledManualDir in src/compose/install_layout.h: keep the folders
# here and there the same), so any prefix works. cpack -G DEB packages the same rules.
install(TARGETS Pixador RUNTIME DESTINATION bin)
if(TARGET pxdtool)
    install(TARGETS pxdtool RUNTIME DESTINATION bin)
endif()
install(TARGETS plugrun LIBRARY DESTINATION lib/pixador)
install(TARGETS ${PIXADOR_SAMPLE_PLUGINS} LIBRARY DESTINATION lib/pixador/filters)
install(FILES docs/manual.html DESTINATION share/doc/pixador)
install(FILES data/pixador.desktop DESTINATION share/applications)
install(FILES data/pixador.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64)
    install(FILES data/pixador-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME pixador.png)
endforeach()
install(FILES data/pixador-mime.xml DESTINATION share/mime/packages RENAME pixador.xml)

set(CPACK_PACKAGE_NAME pixador)
set(CPACK_PACKAGE_VENDOR "Pixador")
set(CPACK_PACKAGE_CONTACT "Pixador developers <pixador@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sprite editor for TI-89, TI-92 Plus and V200 C programs")
set(CPACK_PACKAGE_DESCRIPTION
    "Pixador draws four-gray sprites and writes them as C arrays, assembler data and ASCII art.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The shared libraries the programs link decide the dependencies where dpkg-dev can tell them.
find_program(PIXADOR_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(PIXADOR_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6, libqt6gui6, libqt6core6, libstdc++6, libc6")
endif()
include(CPack)
