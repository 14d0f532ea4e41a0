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
# The long description, one paragraph an element (so no ";" in them): the .deb wraps it, the
# metainfo takes it as it is.
set(TESSALINE_DESCRIPTION_PARAGRAPHS
    "One window shows a political map of South America and a pool of 28 names: 13 countries, 11 capitals and 4 seas and oceans. Drag each name onto its place on the map."
    "A right name stays on the map in bold, with a sound, and a wrong one goes back to the pool with another. When all 28 are placed, the map is complete and the names are dealt again. There is no score and no timer, and nothing is saved."
)
# The metainfo's and the desktop entry's texts in the program's languages (as
# TESSALINE_TRANSLATIONS names them): the summary, the description's paragraphs, the
# screenshot's caption, and the desktop entry's generic name, comment and keywords. A language
# without them is still listed in the metainfo's <languages>.
set(TESSALINE_SUMMARY_es "Juego de geografía con el mapa de América del Sur")
set(TESSALINE_DESCRIPTION_PARAGRAPHS_es
    "Una ventana muestra un mapa político de América del Sur y una lista de 28 nombres: 13 países, 11 capitales y 4 mares y océanos. Arrastra cada nombre a su lugar en el mapa."
    "Un nombre bien colocado queda en el mapa en negrita, con un sonido, y uno mal colocado vuelve a la lista con otro. Cuando los 28 están colocados, el mapa está completo y los nombres se reparten de nuevo. No hay puntuación ni tiempo, y no se guarda nada."
)
set(TESSALINE_SCREENSHOT_CAPTION_es "La ventana del juego con algunos nombres colocados en el mapa")
set(TESSALINE_GENERIC_NAME_es "Juego de mapas")
set(TESSALINE_COMMENT_es "Arrastra los nombres de los países, capitales y mares de América del Sur al mapa")
set(TESSALINE_KEYWORDS_es "mapa;juego;geografía;América del Sur;países;capitales;")
set(TESSALINE_SUMMARY_pt_BR "Jogo de geografia com o mapa da América do Sul")
set(TESSALINE_DESCRIPTION_PARAGRAPHS_pt_BR
    "Uma janela mostra um mapa político da América do Sul e uma lista de 28 nomes: 13 países, 11 capitais e 4 mares e oceanos. Arraste cada nome para o seu lugar no mapa."
    "Um nome certo fica no mapa em negrito, com um som, e um errado volta para a lista com outro. Quando os 28 estão no lugar, o mapa está completo e os nomes são distribuídos de novo. Não há pontuação nem cronômetro, e nada é salvo."
)
set(TESSALINE_SCREENSHOT_CAPTION_pt_BR "A janela do jogo com alguns nomes colocados no mapa")
set(TESSALINE_GENERIC_NAME_pt_BR "Jogo de mapas")
set(TESSALINE_COMMENT_pt_BR "Arraste os nomes dos países, capitais e mares da América do Sul para o mapa")
set(TESSALINE_KEYWORDS_pt_BR "mapa;jogo;geografia;América do Sul;países;capitais;")
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
    set(TESSALINE_METAINFO_PARAGRAPHS "")
    foreach(paragraph IN LISTS TESSALINE_DESCRIPTION_PARAGRAPHS)
        list(APPEND TESSALINE_METAINFO_PARAGRAPHS "    <p>${paragraph}</p>")
    endforeach()
    set(TESSALINE_METAINFO_SUMMARIES "")
    set(TESSALINE_METAINFO_CAPTIONS "")
    set(TESSALINE_METAINFO_LANGUAGES "")
    set(TESSALINE_DESKTOP_TRANSLATIONS "")
    foreach(language IN LISTS TESSALINE_TRANSLATIONS)
        list(APPEND TESSALINE_METAINFO_LANGUAGES "    <lang>${language}</lang>")
        if(DEFINED TESSALINE_SUMMARY_${language})
            list(APPEND TESSALINE_METAINFO_SUMMARIES
                 "  <summary xml:lang=\"${language}\">${TESSALINE_SUMMARY_${language}}</summary>")
            list(APPEND TESSALINE_METAINFO_CAPTIONS
                 "      <caption xml:lang=\"${language}\">${TESSALINE_SCREENSHOT_CAPTION_${language}}</caption>")
            foreach(paragraph IN LISTS TESSALINE_DESCRIPTION_PARAGRAPHS_${language})
                list(APPEND TESSALINE_METAINFO_PARAGRAPHS "    <p xml:lang=\"${language}\">${paragraph}</p>")
            endforeach()
            string(APPEND TESSALINE_DESKTOP_TRANSLATIONS
                   "GenericName[${language}]=${TESSALINE_GENERIC_NAME_${language}}\n"
                   "Comment[${language}]=${TESSALINE_COMMENT_${language}}\n"
                   "Keywords[${language}]=${TESSALINE_KEYWORDS_${language}}\n")
        endif()
    endforeach()
    list(JOIN TESSALINE_METAINFO_PARAGRAPHS "\n" TESSALINE_METAINFO_PARAGRAPHS)
    list(JOIN TESSALINE_METAINFO_SUMMARIES "\n" TESSALINE_METAINFO_SUMMARIES)
    list(JOIN TESSALINE_METAINFO_CAPTIONS "\n" TESSALINE_METAINFO_CAPTIONS)
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
