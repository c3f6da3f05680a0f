# Installation of the game: the executable with its help file beside it, a
# launcher, the desktop entry and the icon. It runs at the end of the
# configuration, so the game target may be defined anywhere.
function(tolmir_install_game)
    include(GNUInstallDirs)
    if(WIN32)
        set(game_dir ${CMAKE_INSTALL_BINDIR})
    else()
        # The game finds its help file beside the executable, so both live in a
        # directory of their own, and bin/ gets a symbolic link to the executable.
        set(game_dir ${CMAKE_INSTALL_LIBDIR}/tolmir)
    endif()
    install(FILES ${TOLMIR_HELP_FILE} DESTINATION ${game_dir})

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
            set(bin_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
            message(STATUS \"Installing: \${bin_dir}/tolmir\")
            file(MAKE_DIRECTORY \"\${bin_dir}\")
            file(CREATE_LINK \"${link_target}\" \"\${bin_dir}/tolmir\" SYMBOLIC)
        ")
    endif()

    install(FILES ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/tolmir.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    if(TOLMIR_ICON_PNG)
        install(FILES ${TOLMIR_ICON_PNG}
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
                RENAME tolmir.png)
    endif()
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL tolmir_install_game)

# The icon theme wants a PNG: the 48x48 image of the generated program icon.
if(TARGET tolmir_assets AND DEFINED TOLMIR_ASSETS_DIR)
    add_executable(IconToPng IconToPng.cpp)
    target_link_libraries(IconToPng PRIVATE Qt6::Gui)
    set(TOLMIR_ICON_PNG ${CMAKE_CURRENT_BINARY_DIR}/tolmir.png CACHE INTERNAL "The 48x48 icon")
    add_custom_command(
        OUTPUT ${TOLMIR_ICON_PNG}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:IconToPng> ${TOLMIR_ASSETS_DIR}/MAINICON.ico 48 ${TOLMIR_ICON_PNG}
        DEPENDS IconToPng tolmir_assets ${TOLMIR_ASSETS_DIR}/MAINICON.ico
        COMMENT "Exporting the 48x48 icon as PNG"
        VERBATIM)
    add_custom_target(tolmir_icon_png ALL DEPENDS ${TOLMIR_ICON_PNG})
endif()
