# Installation and packages. Included at the end of the root CMakeLists.txt.
#
# The program finds every file beside its executable, so each platform gets one folder that
# holds the executable and its run-time files:
#   Windows: <prefix>/ itself;
#   Linux:   <prefix>/lib/tessaline/, with <prefix>/bin/tessaline a relative symbolic link to
#            the executable (the program resolves the link to find its folder), a desktop
#            entry, AppStream metainfo, the icon in the hicolor theme sizes, a manual page,
#            and the copyright and changelog in <prefix>/share/doc/tessaline/.

set(TESSALINE_ICON_SIZES 16 32 48 64 128 256)
set(_tessaline_assets "${PROJECT_SOURCE_DIR}/assets")

# The date of the release that project(VERSION) names, as YYYY-MM-DD: the Debian changelog,
# the manual page and the AppStream release carry it. Change it with the version.
set(TESSALINE_RELEASE_DATE "2026-12-09")
set(TESSALINE_CATEGORIES Education Geography)

set(CPACK_PACKAGE_NAME "${TESSALINE_LAUNCHER}")
set(CPACK_PACKAGE_VENDOR "${TESSALINE_MAKER}")
set(CPACK_PACKAGE_VERSION "${TESSALINE_VERSION_TEXT}")
set(CPACK_PACKAGE_CONTACT "${TESSALINE_MAKER} <support@quelmark.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The long description: the metainfo's English paragraphs (the ones without xml:lang), where
# their translations stand beside them. The .deb wraps them, the metainfo takes them as they are.
file(READ "${CMAKE_CURRENT_LIST_DIR}/linux/metainfo.xml.in" _metainfo_template)
string(REGEX MATCHALL "<p>[^<]*</p>" TESSALINE_DESCRIPTION_PARAGRAPHS "${_metainfo_template}")
list(TRANSFORM TESSALINE_DESCRIPTION_PARAGRAPHS REPLACE "^<p>(.*)</p>$" "\\1")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${TESSALINE_PRODUCT_NAME}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TESSALINE_HOME_PAGE}")
# The windowing plug-ins are loaded at run time, so no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")

if(WIN32)
    # Icon group 1 and the version block.
    target_sources(Tessaline PRIVATE "${TESSALINE_RESOURCE_SCRIPT}")
    set(TESSALINE_INSTALL_APPDIR ".")
else()
    set(TESSALINE_INSTALL_APPDIR "lib/${TESSALINE_LAUNCHER}")
endif()

install(TARGETS Tessaline RUNTIME DESTINATION "${TESSALINE_INSTALL_APPDIR}")
# The built binaries, whose library dependencies the .deb declares.
set(_tessaline_elf_files "$<TARGET_FILE:Tessaline>")
# The media player's plugin, loaded from beside the executable. With a static Qt it is a
# static plugin linked into the executable, and there is nothing to install.
get_target_property(_media_plugin_type tessaline_media_plugin TYPE)
if(_media_plugin_type STREQUAL "MODULE_LIBRARY" OR _media_plugin_type STREQUAL "SHARED_LIBRARY")
    set(TESSALINE_MEDIA_PLUGIN_INSTALLED ON)
else()
    set(TESSALINE_MEDIA_PLUGIN_INSTALLED OFF)
endif()
if(TESSALINE_MEDIA_PLUGIN_INSTALLED)
    install(TARGETS tessaline_media_plugin
            LIBRARY DESTINATION "${TESSALINE_INSTALL_APPDIR}"
            RUNTIME DESTINATION "${TESSALINE_INSTALL_APPDIR}")
    list(APPEND _tessaline_elf_files "$<TARGET_FILE:tessaline_media_plugin>")
endif()
foreach(file IN LISTS TESSALINE_RUNTIME_FILES)
    if(EXISTS "${_tessaline_assets}/${file}")
        get_filename_component(_folder "${file}" DIRECTORY)
        install(FILES "${_tessaline_assets}/${file}"
                DESTINATION "${TESSALINE_INSTALL_APPDIR}/${_folder}")
    endif()
endforeach()

if(UNIX AND NOT APPLE)
    set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
    set(_linux_out "${PROJECT_BINARY_DIR}/packaging/linux")

    # The .deb's description, its lines well under Debian's 80 columns: fold breaks each
    # paragraph at the last blank before column 73 and the blank left at a line's end goes.
    set(CPACK_PACKAGE_DESCRIPTION "")
    foreach(paragraph IN LISTS TESSALINE_DESCRIPTION_PARAGRAPHS)
        execute_process(COMMAND sh -c "printf '%s\\n' \"$1\" | fold -s -w 73 | sed 's/ $//'"
                                sh "${paragraph}"
                        OUTPUT_VARIABLE _wrapped OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
        if(NOT CPACK_PACKAGE_DESCRIPTION STREQUAL "")
            string(APPEND CPACK_PACKAGE_DESCRIPTION "\n\n")
        endif()
        string(APPEND CPACK_PACKAGE_DESCRIPTION "${_wrapped}")
    endforeach()

    install(CODE "
        set(_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
        file(MAKE_DIRECTORY \"\${_bin}\")
        file(REMOVE \"\${_bin}/${TESSALINE_LAUNCHER}\")
        file(CREATE_LINK \"../${TESSALINE_INSTALL_APPDIR}/Tessaline\" \"\${_bin}/${TESSALINE_LAUNCHER}\" SYMBOLIC)
        message(STATUS \"Installing: \${_bin}/${TESSALINE_LAUNCHER} -> ../${TESSALINE_INSTALL_APPDIR}/Tessaline\")
        # Listed in install_manifest.txt with the files, so that removing them removes it.
        list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_bin}/${TESSALINE_LAUNCHER}\")
    ")
    foreach(size IN LISTS TESSALINE_ICON_SIZES)
        install(FILES "${_tessaline_assets}/pictures/icon-${size}.png"
                DESTINATION "share/icons/hicolor/${size}x${size}/apps"
                RENAME "${TESSALINE_LAUNCHER}.png")
    endforeach()

    # The desktop entry and the metainfo, named by the AppStream id.
    list(JOIN TESSALINE_CATEGORIES ";" TESSALINE_DESKTOP_CATEGORIES)
    string(APPEND TESSALINE_DESKTOP_CATEGORIES ";")
    set(TESSALINE_METAINFO_CATEGORIES "")
    foreach(category IN LISTS TESSALINE_CATEGORIES)
        list(APPEND TESSALINE_METAINFO_CATEGORIES "    <category>${category}</category>")
    endforeach()
    list(JOIN TESSALINE_METAINFO_CATEGORIES "\n" TESSALINE_METAINFO_CATEGORIES)
    # The program's languages; their texts are in the two files themselves.
    set(TESSALINE_METAINFO_LANGUAGES "")
    foreach(language IN LISTS TESSALINE_TRANSLATIONS)
        list(APPEND TESSALINE_METAINFO_LANGUAGES "    <lang>${language}</lang>")
    endforeach()
    list(JOIN TESSALINE_METAINFO_LANGUAGES "\n" TESSALINE_METAINFO_LANGUAGES)
    # AppStream wants a full address for the screenshot. Until the project has a public home,
    # it is the repository's path to the picture under the maker's home page.
    set(_home "${TESSALINE_HOME_PAGE}")
    if(NOT _home MATCHES "/$")
        string(APPEND _home "/")
    endif()
    set(TESSALINE_SCREENSHOT_ADDRESS "${_home}${TESSALINE_LAUNCHER}/docs/screenshot.png")
    configure_file("${CMAKE_CURRENT_LIST_DIR}/linux/tessaline.desktop.in"
                   "${_linux_out}/${TESSALINE_APP_ID}.desktop" @ONLY)
    configure_file("${CMAKE_CURRENT_LIST_DIR}/linux/metainfo.xml.in"
                   "${_linux_out}/${TESSALINE_APP_ID}.metainfo.xml" @ONLY)
    install(FILES "${_linux_out}/${TESSALINE_APP_ID}.desktop" DESTINATION share/applications)
    install(FILES "${_linux_out}/${TESSALINE_APP_ID}.metainfo.xml" DESTINATION share/metainfo)

    # The changelog's date in the form Debian's changelog takes (RFC 5322, in English).
    execute_process(COMMAND env LC_ALL=C date -u -R -d "${TESSALINE_RELEASE_DATE} 12:00"
                    OUTPUT_VARIABLE TESSALINE_RELEASE_DATE_RFC2822
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

    # The changelog and the manual page, compressed as Debian wants them: at the highest level,
    # without name or time stamp, so that the same text gives the same bytes.
    find_program(TESSALINE_GZIP gzip REQUIRED)
    configure_file("${CMAKE_CURRENT_LIST_DIR}/linux/changelog.in" "${_linux_out}/changelog" @ONLY)
    configure_file("${CMAKE_CURRENT_LIST_DIR}/linux/tessaline.6.in"
                   "${_linux_out}/${TESSALINE_LAUNCHER}.6" @ONLY)
    execute_process(COMMAND "${TESSALINE_GZIP}" -9nkf "${_linux_out}/changelog"
                            "${_linux_out}/${TESSALINE_LAUNCHER}.6"
                    COMMAND_ERROR_IS_FATAL ANY)
    install(FILES "${_linux_out}/${TESSALINE_LAUNCHER}.6.gz" DESTINATION share/man/man6)
    install(FILES "${CMAKE_CURRENT_LIST_DIR}/linux/copyright" "${_linux_out}/changelog.gz"
            DESTINATION "share/doc/${TESSALINE_LAUNCHER}")

    # The package carries no symbol tables.
    set(CPACK_STRIP_FILES ON)
    # Stripping (the package's, or cmake --install --strip) also drops the compilers' notes
    # of their versions, as Debian's own packages do.
    set(_installed_elf_files "${TESSALINE_INSTALL_APPDIR}/$<TARGET_FILE_NAME:Tessaline>")
    if(TESSALINE_MEDIA_PLUGIN_INSTALLED)
        list(APPEND _installed_elf_files
             "${TESSALINE_INSTALL_APPDIR}/$<TARGET_FILE_NAME:tessaline_media_plugin>")
    endif()
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            foreach(_file IN ITEMS ${_installed_elf_files})
                execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${_file}\"
                                COMMAND_ERROR_IS_FATAL ANY)
            endforeach()
        endif()
    ")
    # The .deb's library dependencies are found by packaging/linux/cpack-project.cmake, which
    # runs dpkg-shlibdeps on these files.
    file(GENERATE OUTPUT "${_linux_out}/elf-files.cmake"
         CONTENT "set(_tessaline_elf_files \"${_tessaline_elf_files}\")\n")
    set(CPACK_TESSALINE_ELF_LIST "${_linux_out}/elf-files.cmake")
    set(CPACK_TESSALINE_WORK_DIR "${_linux_out}/shlibdeps")
    set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/linux/cpack-project.cmake")
endif()

include(CPack)
