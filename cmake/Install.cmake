# The installed layout: one folder with the programs and the folders they read beside them, as in the
# build tree, links to the programs on the PATH, and what the desktop needs to offer them.
set(programFolder "lib/velmora")
set(programs velmora velmora-batch sheetconv tabrix)

install(TARGETS ${programs} RUNTIME DESTINATION "${programFolder}")
install(FILES "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/TabrixAPDEU.qm" DESTINATION "${programFolder}")
install(DIRECTORY Vorlagen Hilfe DESTINATION "${programFolder}")
install(FILES "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Dokumentation/Dokumentation.pdf" DESTINATION "${programFolder}/Dokumentation")
install(DIRECTORY DESTINATION "${programFolder}/Daten")
install(DIRECTORY DESTINATION "${programFolder}/Projekte")

# Relative links, so that the installed tree works under any prefix and inside a package.
set(linkFolder "${CMAKE_BINARY_DIR}/install-links")
file(MAKE_DIRECTORY "${linkFolder}")
foreach(program IN LISTS programs)
    file(CREATE_LINK "../${programFolder}/${program}" "${linkFolder}/${program}" SYMBOLIC)
    install(FILES "${linkFolder}/${program}" DESTINATION bin)
endforeach()

# The MIME package, the application entries and the file-type icons come from the program's own table.
set(desktopFolder "${CMAKE_BINARY_DIR}/desktop-files")
set(desktopFiles "${desktopFolder}/velmora.xml" "${desktopFolder}/velmora.desktop" "${desktopFolder}/tabrix.desktop")
add_custom_command(OUTPUT ${desktopFiles}
    COMMAND velmora-desktop-files "${desktopFolder}" "${PROJECT_SOURCE_DIR}/packaging/velmora-document.svg"
    DEPENDS velmora-desktop-files "${PROJECT_SOURCE_DIR}/packaging/velmora-document.svg"
    COMMENT "Making the desktop's files of the installation")
add_custom_target(velmora_desktop_files ALL DEPENDS ${desktopFiles})
install(FILES "${desktopFolder}/velmora.xml" DESTINATION share/mime/packages)
install(FILES "${desktopFolder}/velmora.desktop" "${desktopFolder}/tabrix.desktop" DESTINATION share/applications)
install(DIRECTORY "${desktopFolder}/mimetypes/" DESTINATION share/icons/hicolor/scalable/mimetypes)
install(FILES app/velmora.svg packaging/tabrix.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES packaging/org.velmora.Velmora.metainfo.xml DESTINATION share/metainfo)
install(FILES packaging/man/velmora.1 packaging/man/velmora-batch.1 packaging/man/sheetconv.1 packaging/man/tabrix.1
        DESTINATION share/man/man1)

# `cmake --build build --target package`: a Debian package whose dependencies dpkg-shlibdeps finds in the
# programs (the X11 and offscreen platforms come with libqt6gui6); the other platforms and Qt's German
# texts are recommended.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_CONTACT "Velmora <velmora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Wasseranalysen nach dem Kalk-Kohlensäure-Gleichgewicht")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, qt6-translations-l10n, shared-mime-info, desktop-file-utils")
include(CPack)
