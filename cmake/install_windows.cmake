# Windows layout: one folder that runs where it is unpacked or installed. Pixador.exe, pxdtool.exe,
# plugrun.dll and filters\*.dll side by side, as the editor finds them beside itself; the Qt DLLs
# the program loads and no others; the manual; the licence texts of all that is redistributed.
# cpack makes Pixador-<version>-windows-x64.zip and Pixador-<version>-setup.exe (NSIS) from it.

# What the editor loads from Qt: three libraries, the Windows platform and the Windows style.
# (Found again here: imported targets are seen only in the folder that found them.)
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
set(pixador_qt_libraries Qt6::Core Qt6::Gui Qt6::Widgets)
set(pixador_qt_style_plugins)
foreach(style QModernWindowsStylePlugin QWindowsVistaStylePlugin)
    if(TARGET Qt6::${style})
        list(APPEND pixador_qt_style_plugins Qt6::${style})
    endif()
endforeach()

# The build folder runs too (the window tests and the Windows check start programs there): the
# same DLLs beside them, and offscreen for the tests.
set(pixador_qt_runtime)
foreach(library IN LISTS pixador_qt_libraries ITEMS Qt6::Test)
    list(APPEND pixador_qt_runtime COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${library}> ${PIXADOR_OUTPUT_DIR})
endforeach()
foreach(plugin Qt6::QWindowsIntegrationPlugin Qt6::QOffscreenIntegrationPlugin)
    list(APPEND pixador_qt_runtime COMMAND ${CMAKE_COMMAND} -E make_directory ${PIXADOR_OUTPUT_DIR}/platforms
         COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${plugin}> ${PIXADOR_OUTPUT_DIR}/platforms)
endforeach()
foreach(plugin IN LISTS pixador_qt_style_plugins)
    list(APPEND pixador_qt_runtime COMMAND ${CMAKE_COMMAND} -E make_directory ${PIXADOR_OUTPUT_DIR}/styles
         COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${plugin}> ${PIXADOR_OUTPUT_DIR}/styles)
endforeach()
add_custom_target(qt_runtime_beside_programs ${pixador_qt_runtime} VERBATIM)
add_dependencies(Pixador qt_runtime_beside_programs)

install(TARGETS Pixador RUNTIME DESTINATION .)
install(TARGETS pxdtool RUNTIME DESTINATION .)
install(TARGETS plugrun RUNTIME DESTINATION . LIBRARY DESTINATION .)
install(TARGETS ${PIXADOR_SAMPLE_PLUGINS} RUNTIME DESTINATION filters LIBRARY DESTINATION filters)
install(IMPORTED_RUNTIME_ARTIFACTS ${pixador_qt_libraries} RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
foreach(plugin IN LISTS pixador_qt_style_plugins)
    install(FILES $<TARGET_FILE:${plugin}> DESTINATION styles)
endforeach()
install(FILES docs/manual.html DESTINATION .)
install(DIRECTORY docs/manual/ DESTINATION manual FILES_MATCHING PATTERN "*.png")
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
# Qt's licence texts and its bundled libraries' notices, gathered when Qt was built for Windows.
get_filename_component(pixador_qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
install(DIRECTORY ${pixador_qt_prefix}/licenses/ DESTINATION licenses)

set(CPACK_PACKAGE_NAME Pixador)
set(CPACK_PACKAGE_VENDOR Pixador)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sprite editor for TI-89, TI-92 Plus and V200 C programs")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Pixador)
set(CPACK_PACKAGE_EXECUTABLES Pixador Pixador)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# The NSIS commands below hold quotes and backslashes: written into CPack's configuration as they are.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# A 64-bit installer for a 64-bit program: it runs where the program runs (Wine's wine64 too)
# and installs into the 64-bit Program Files.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME Pixador)
set(CPACK_NSIS_PACKAGE_NAME Pixador)
set(CPACK_NSIS_INSTALLED_ICON_NAME Pixador.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/data/pixador.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/data/pixador.ico)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# .pxd opens in Pixador with its icon, for the user or for all (SHCTX follows the installer's
# choice); the uninstaller takes the association back only where it is still Pixador's.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS [=[
  WriteRegStr SHCTX "Software\Classes\.pxd" "" "Pixador.Sprite"
  WriteRegStr SHCTX "Software\Classes\Pixador.Sprite" "" "Pixador sprite"
  WriteRegStr SHCTX "Software\Classes\Pixador.Sprite\DefaultIcon" "" "$INSTDIR\Pixador.exe,0"
  WriteRegStr SHCTX "Software\Classes\Pixador.Sprite\shell\open\command" "" '"$INSTDIR\Pixador.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
]=])
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS [=[
  ReadRegStr $0 SHCTX "Software\Classes\.pxd" ""
  StrCmp $0 "Pixador.Sprite" 0 +2
    DeleteRegKey SHCTX "Software\Classes\.pxd"
  DeleteRegKey SHCTX "Software\Classes\Pixador.Sprite"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
]=])
# One package file name per generator: the zip says it is for Windows, the installer says setup.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/windows_package_names.cmake)
include(CPack)
