# Read by cpack before it makes each package (CPACK_PROJECT_CONFIG_FILE).
#
# The .deb's library dependencies, found by dpkg-shlibdeps as CPack's own
# CPACK_DEBIAN_PACKAGE_SHLIBDEPS finds them. CPack's run would also take every shared object
# under /usr/lib/* for a public library and call ldconfig from postinst and postrm; the media
# player's library is private to the program's folder, where the dynamic linker never looks,
# so those calls would be wrong.
if(CPACK_GENERATOR STREQUAL "DEB")
    include("${CPACK_TESSALINE_ELF_LIST}")
    find_program(_tessaline_shlibdeps dpkg-shlibdeps REQUIRED)
    # dpkg-shlibdeps runs in a folder that looks like a Debian source package.
    file(MAKE_DIRECTORY "${CPACK_TESSALINE_WORK_DIR}/debian")
    file(WRITE "${CPACK_TESSALINE_WORK_DIR}/debian/control" "")
    execute_process(
        COMMAND "${_tessaline_shlibdeps}" --ignore-missing-info -O ${_tessaline_elf_files}
        WORKING_DIRECTORY "${CPACK_TESSALINE_WORK_DIR}"
        OUTPUT_VARIABLE _tessaline_shlibs
        ERROR_VARIABLE _tessaline_shlibs_error
        RESULT_VARIABLE _tessaline_shlibs_status)
    if(NOT _tessaline_shlibs_status EQUAL 0
       OR NOT _tessaline_shlibs MATCHES "shlibs:Depends=([^\n]+)")
        message(FATAL_ERROR "dpkg-shlibdeps failed: ${_tessaline_shlibs_error}")
    endif()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
endif()
