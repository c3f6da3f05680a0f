# Installation of the game: the executable with its help file beside it, a
# launcher, the desktop entry and the icon. It runs at the end of the
# configuration, so the game target may be defined anywhere.
function(tolmir_install_game)
    include(GNUInstallDirs)
    if(NOT TARGET Tolmir)
        message(WARNING "No target Tolmir: the game itself is not installed")
        return()
    endif()
    if(WIN32)
        install(TARGETS Tolmir RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
        install(FILES ${TOLMIR_HELP_FILE} DESTINATION ${CMAKE_INSTALL_BINDIR})
        return()
    endif()

    # The game finds its help file beside the executable, so both live in a
    # directory of their own; bin/ gets a symbolic link to the executable.
    set(game_dir ${CMAKE_INSTALL_LIBDIR}/tolmir)
    install(TARGETS Tolmir RUNTIME DESTINATION ${game_dir})
    install(FILES ${TOLMIR_HELP_FILE} DESTINATION ${game_dir})
    file(RELATIVE_PATH link_dir ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/tolmir)
    set(link_target ${link_dir}/$<TARGET_FILE_NAME:Tolmir>)
    install(CODE "
        set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tolmir\")
        message(STATUS \"Installing: \${link}\")
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(CREATE_LINK \"${link_target}\" \"\${link}\" SYMBOLIC)
    ")

    install(FILES ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/tolmir.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    if(TOLMIR_ICON_PNG)
        install(FILES ${TOLMIR_ICON_PNG}
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
                RENAME tolmir.png)
    endif()
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL tolmir_install_game)
