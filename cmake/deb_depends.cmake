# Read by cpack: the Debian package's Depends from the shared libraries its programs and
# plug-ins link, as dpkg-shlibdeps tells them; a fixed list where dpkg-dev is missing.
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_DEBIAN_PACKAGE_DEPENDS)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_PIXADOR_FALLBACK_DEPENDS}")
    find_program(dpkg_shlibdeps dpkg-shlibdeps)
    if(dpkg_shlibdeps)
        # dpkg-shlibdeps wants a source tree: a control file naming the package is enough.
        set(tree "${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages/shlibdeps")
        file(WRITE "${tree}/debian/control" "Source: pixador\n\nPackage: pixador\nArchitecture: any\n")
        execute_process(COMMAND ${dpkg_shlibdeps} -O ${CPACK_PIXADOR_ELF_FILES}
                        WORKING_DIRECTORY "${tree}" OUTPUT_VARIABLE found RESULT_VARIABLE status ERROR_QUIET)
        if(status EQUAL 0 AND found MATCHES "shlibs:Depends=([^\n]+)")
            set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
        endif()
    endif()
endif()
