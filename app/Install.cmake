# Installation of the game: the executable with its help file beside it, a
# launcher, the desktop entry, the icons, the AppStream metadata and the manual
# page. It runs at the end of the configuration, so the game target may be
# defined anywhere.
function(tolmir_install_game)
    include(GNUInstallDirs)
    if(WIN32)
        set(game_dir ${CMAKE_INSTALL_BINDIR})
    else()
        # The game finds its help file beside the executable, so both live in a
        # directory of their own, and a symbolic link to the executable is the
        # launcher: in games/ for a system-wide install under /usr (the package),
        # where Debian keeps the commands of games, in bin/ elsewhere.
        set(game_dir ${CMAKE_INSTALL_LIBDIR}/tolmir)
    endif()
    install(FILES ${TOLMIR_HELP_FILES} DESTINATION ${game_dir})

    if(TARGET Tolmir)
        install(TARGETS Tolmir RUNTIME DESTINATION ${game_dir})
    else()
        message(STATUS "No target Tolmir yet: the executable is not installed")
    endif()
    if(WIN32)
        return()
    endif()
    if(TARGET Tolmir)
        file(RELATIVE_PATH link_dir ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/tolmir)
        set(link_target ${link_dir}/$<TARGET_FILE_NAME:Tolmir>)
        install(CODE "
            set(launcher_dir ${CMAKE_INSTALL_BINDIR})
            if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
                set(launcher_dir games)
            endif()
            set(launcher_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${launcher_dir}\")
            message(STATUS \"Installing: \${launcher_dir}/tolmir\")
            file(MAKE_DIRECTORY \"\${launcher_dir}\")
            file(CREATE_LINK \"${link_target}\" \"\${launcher_dir}/tolmir\" SYMBOLIC)
        ")
    endif()

    set(linux_dir ${PROJECT_SOURCE_DIR}/resources/linux)
    set(out_dir ${CMAKE_BINARY_DIR}/linux)
    install(FILES ${linux_dir}/tolmir.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
            RENAME ${TOLMIR_APP_ID}.desktop)
    foreach(size ${TOLMIR_DESKTOP_ICON_SIZES})
        install(FILES ${TOLMIR_ASSETS_DIR}/tolmir-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME tolmir.png)
    endforeach()
    configure_file(${linux_dir}/tolmir.metainfo.xml.in ${out_dir}/${TOLMIR_APP_ID}.metainfo.xml
                   @ONLY)
    install(FILES ${out_dir}/${TOLMIR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # Debian wants the manual page and the change log compressed, without a time stamp.
    configure_file(${linux_dir}/tolmir.6.in ${out_dir}/tolmir.6 @ONLY)
    configure_file(${linux_dir}/changelog.in ${out_dir}/changelog @ONLY)
    foreach(file tolmir.6 changelog)
        add_custom_command(OUTPUT ${out_dir}/${file}.gz
                           COMMAND gzip -9nkf ${out_dir}/${file}
                           DEPENDS ${out_dir}/${file}
                           VERBATIM)
    endforeach()
    add_custom_target(tolmir_linux_docs ALL DEPENDS ${out_dir}/tolmir.6.gz ${out_dir}/changelog.gz)
    install(FILES ${out_dir}/tolmir.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    install(FILES ${out_dir}/changelog.gz ${linux_dir}/copyright
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tolmir)
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL tolmir_install_game)
