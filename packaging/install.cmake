# Installing Valsit as a desktop program, and its Debian package.
#
# The executables go to bin/, what ships with them to share/valsit/ (the template
# election database, the product document, Qt's Swedish translations), with a menu entry
# and an icon. Installed, the program finds share/valsit/ beside its bin/ and keeps the
# user's election files in the user's own folder (see ProgramFolder).
include(GNUInstallDirs)

set(VALSIT_SHARE ${CMAKE_INSTALL_DATADIR}/valsit)

install(TARGETS valsit valsit-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/data/Valsit.mdb DESTINATION ${VALSIT_SHARE})
# The product document is made by the build (it carries the version).
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/data/XDInfoSV.rtf.in)
    install(FILES ${CMAKE_BINARY_DIR}/XDInfoSV.rtf DESTINATION ${VALSIT_SHARE})
endif()

# Qt's own texts (buttons of the standard dialogs) in Swedish, for an install outside
# Debian's Qt; the Debian package also depends on Qt's translation package. A Qt built
# without its translations (the Windows build's) is given Debian's folder of them
# (VALSIT_QT_TRANSLATIONS): the catalogues are the same on every platform.
set(qt_translations ${VALSIT_QT_TRANSLATIONS})
if(NOT qt_translations)
    get_target_property(qmake_path Qt6::qmake IMPORTED_LOCATION)
    execute_process(COMMAND ${qmake_path} -query QT_INSTALL_TRANSLATIONS
                    OUTPUT_VARIABLE qt_translations OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
file(GLOB qt_swedish ${qt_translations}/qt_sv.qm ${qt_translations}/qtbase_sv.qm)
if(qt_swedish)
    install(FILES ${qt_swedish} DESTINATION ${VALSIT_SHARE}/translations)
    # The build's programs and tests find them beside them, as installed ones in share/.
    file(COPY ${qt_swedish} DESTINATION ${CMAKE_BINARY_DIR}/translations)
elseif(VALSIT_QT_TRANSLATIONS)
    message(FATAL_ERROR "No qt_sv.qm in ${VALSIT_QT_TRANSLATIONS}")
endif()

if(NOT WIN32)
    install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/valsit.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/valsit.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME valsit)
set(CPACK_PACKAGE_VENDOR Tovrelia)
set(CPACK_PACKAGE_CONTACT "Tovrelia <support@tovrelia.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Fördelar platserna i kommunfullmäktige och i nämnder")
set(CPACK_PACKAGE_DESCRIPTION
    "Valsit fördelar kommunfullmäktiges platser efter partiernas röster (jämkade uddatalsmetoden, röster per valdistrikt) och en nämnds platser efter partiernas platser i fullmäktige (d'Hondts metod med valsamverkan).")
set(CPACK_PACKAGE_INSTALL_DIRECTORY valsit)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the database driver, the
# fonts the reports are measured in, Qt's Swedish texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, fonts-liberation, qt6-translations-l10n")
include(CPack)
