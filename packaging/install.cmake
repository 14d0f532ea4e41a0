# Installation and packages. Included at the end of the root CMakeLists.txt.
#
# The program finds every file beside its executable, so each platform gets one folder that
# holds the executable and its run-time files:
#   Windows: <prefix>/ itself;
#   Linux:   <prefix>/lib/tessaline/, with <prefix>/bin/tessaline a relative symbolic link to
#            the executable (the program resolves the link to find its folder), a desktop
#            entry and the icon in the hicolor theme sizes.

set(TESSALINE_ICON_SIZES 16 32 48 64 128 256)
set(_tessaline_assets "${PROJECT_SOURCE_DIR}/assets")

if(WIN32)
    # Icon group 1 and the version block.
    target_sources(Tessaline PRIVATE "${TESSALINE_RESOURCE_SCRIPT}")
    set(TESSALINE_INSTALL_APPDIR ".")
else()
    set(TESSALINE_INSTALL_APPDIR "lib/tessaline")
endif()

install(TARGETS Tessaline RUNTIME DESTINATION "${TESSALINE_INSTALL_APPDIR}")
# The media player's library, loaded from beside the executable, where the player is not
# linked into it.
if(TARGET tessaline_media_plugin)
    install(TARGETS tessaline_media_plugin
            LIBRARY DESTINATION "${TESSALINE_INSTALL_APPDIR}"
            RUNTIME DESTINATION "${TESSALINE_INSTALL_APPDIR}")
endif()
foreach(file IN LISTS TESSALINE_RUNTIME_FILES)
    if(EXISTS "${_tessaline_assets}/${file}")
        get_filename_component(_folder "${file}" DIRECTORY)
        install(FILES "${_tessaline_assets}/${file}"
                DESTINATION "${TESSALINE_INSTALL_APPDIR}/${_folder}")
    endif()
endforeach()

if(UNIX AND NOT APPLE)
    install(CODE "
        set(_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
        file(MAKE_DIRECTORY \"\${_bin}\")
        file(REMOVE \"\${_bin}/tessaline\")
        file(CREATE_LINK \"../${TESSALINE_INSTALL_APPDIR}/Tessaline\" \"\${_bin}/tessaline\" SYMBOLIC)
        message(STATUS \"Installing: \${_bin}/tessaline -> ../${TESSALINE_INSTALL_APPDIR}/Tessaline\")
    ")
    install(FILES "${CMAKE_CURRENT_LIST_DIR}/linux/tessaline.desktop"
            DESTINATION share/applications)
    foreach(size IN LISTS TESSALINE_ICON_SIZES)
        install(FILES "${_tessaline_assets}/pictures/icon-${size}.png"
                DESTINATION "share/icons/hicolor/${size}x${size}/apps"
                RENAME tessaline.png)
    endforeach()
endif()

set(CPACK_PACKAGE_NAME "tessaline")
set(CPACK_PACKAGE_VENDOR "Quelmark")
set(CPACK_PACKAGE_VERSION "${TESSALINE_VERSION_TEXT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Map quiz of South America")
set(CPACK_PACKAGE_DESCRIPTION
    "Drag the names of 13 countries, 11 capitals and 4 seas and oceans onto their places on a political map of South America.")
set(CPACK_PACKAGE_CONTACT "Quelmark <support@quelmark.example>")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Tessaline")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windowing plug-ins are loaded at run time, so no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
if(WIN32)
    # A zip that unpacks to one folder holding the executable and its files; Windows needs
    # nothing else.
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "Tessaline-${TESSALINE_VERSION_TEXT}-win64")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
    set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
endif()
include(CPack)
