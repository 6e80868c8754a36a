# Installed layout (FHS and freedesktop.org): programs in bin/, plugrun and the sample plug-ins
# in a private lib/pixador/, the manual, licence and changelog in share/doc/pixador/, manual
# pages, desktop entry, AppStream metadata, icon and MIME type under share/. The editor finds
# lib/pixador/ and share/doc/pixador/ relative to its bin/ (kInstalledPluginDir and
# kInstalledManualDir in src/compose/install_layout.h: keep the folders here and there the
# same), so any prefix works. cpack -G DEB packages the same rules.
install(TARGETS Pixador RUNTIME DESTINATION bin)
if(TARGET pxdtool)
    install(TARGETS pxdtool RUNTIME DESTINATION bin)
endif()
install(TARGETS plugrun LIBRARY DESTINATION lib/pixador)
install(TARGETS ${PIXADOR_SAMPLE_PLUGINS} LIBRARY DESTINATION lib/pixador/filters)
install(FILES docs/manual.html DESTINATION share/doc/pixador)
install(DIRECTORY docs/manual/ DESTINATION share/doc/pixador/manual FILES_MATCHING PATTERN "*.png")
install(FILES data/pixador.desktop DESTINATION share/applications)
install(FILES data/pixador.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64)
    install(FILES data/pixador-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME pixador.png)
endforeach()
install(FILES data/pixador-mime.xml DESTINATION share/mime/packages RENAME pixador.xml)

# Where software centres fetch the screenshots from; a distributor points it at its own copy
# of docs/manual/.
set(PIXADOR_HOMEPAGE "https://pixador.example.org/" CACHE STRING "Pixador's home page, for AppStream")
set(PIXADOR_SCREENSHOT_URL "https://pixador.example.org/manual" CACHE STRING
    "Folder URL holding the screenshots in docs/manual/, for AppStream")
configure_file(data/pixador.metainfo.xml.in ${CMAKE_BINARY_DIR}/data/org.pixador.Pixador.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/data/org.pixador.Pixador.metainfo.xml DESTINATION share/metainfo)

# Licence and changelog where Debian looks for them: the machine-readable copyright file holds
# the whole MIT licence; both gzip'd files leave out names and times, so builds are reproducible.
install(FILES data/debian/copyright DESTINATION share/doc/pixador)
set(pixador_changelog ${CMAKE_BINARY_DIR}/data/changelog.gz)
add_custom_command(OUTPUT ${pixador_changelog}
    COMMAND sh -c "gzip -9nc '${PROJECT_SOURCE_DIR}/data/debian/changelog' > '${pixador_changelog}'"
    DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog VERBATIM)
install(FILES ${pixador_changelog} DESTINATION share/doc/pixador)

# Manual pages: one scdoc source each (docs/man/), rendered and compressed at build time.
find_program(PIXADOR_SCDOC scdoc)
set(pixador_doc_outputs ${pixador_changelog})
if(PIXADOR_SCDOC)
    foreach(page Pixador pxdtool)
        set(source ${PROJECT_SOURCE_DIR}/docs/man/${page}.1.scd)
        set(roff ${CMAKE_BINARY_DIR}/man/${page}.1)
        add_custom_command(OUTPUT ${roff}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
            COMMAND sh -c "'${PIXADOR_SCDOC}' < '${source}' > '${roff}'"
            COMMAND sh -c "gzip -9nc '${roff}' > '${roff}.gz'"
            DEPENDS ${source} VERBATIM)
        list(APPEND pixador_doc_outputs ${roff}.gz)
        install(FILES ${roff}.gz DESTINATION share/man/man1)
    endforeach()
else()
    message(WARNING "scdoc not found: no manual pages (./scripts/install_deps.sh installs it)")
endif()
add_custom_target(release_docs ALL DEPENDS ${pixador_doc_outputs})

set(CPACK_PACKAGE_NAME pixador)
set(CPACK_PACKAGE_VENDOR "Pixador")
set(PIXADOR_MAINTAINER "Pixador developers <pixador@example.org>" CACHE STRING
    "The Debian package's maintainer, as in data/debian/changelog")
set(CPACK_PACKAGE_CONTACT "${PIXADOR_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sprite editor for TI-89, TI-92 Plus and V200 C programs")
# Below the summary line; each line within 80 columns, as CPack keeps the line breaks.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pixador draws small four-gray sprites for programs written for the TI-89,
TI-92 Plus and V200 graphing calculators, and writes them as C arrays, a
complete sample program, assembler data or ASCII art. It transforms, filters,
masks and merges sprites, imports them from bitmaps and C sources, and runs
filter plug-ins. pxdtool does the same exports from a shell.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# Dependencies come from dpkg-shlibdeps in cmake/deb_depends.cmake rather than from CPack's own
# scan, which would also add ldconfig calls for the private lib/pixador/ (not on the library
# path, so ldconfig has nothing to do there).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_PIXADOR_ELF_FILES ${PIXADOR_OUTPUT_DIR}/Pixador ${PIXADOR_OUTPUT_DIR}/libplugrun.so)
if(TARGET pxdtool)
    list(APPEND CPACK_PIXADOR_ELF_FILES ${PIXADOR_OUTPUT_DIR}/pxdtool)
endif()
foreach(p IN LISTS PIXADOR_SAMPLE_PLUGINS)
    list(APPEND CPACK_PIXADOR_ELF_FILES ${PIXADOR_OUTPUT_DIR}/filters/${p}.so)
endforeach()
set(CPACK_PIXADOR_FALLBACK_DEPENDS "libqt6widgets6, libqt6gui6, libqt6core6, libpng16-16, libstdc++6, libc6")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/deb_depends.cmake)
include(CPack)
