# The product information document "XDInfoSV.rtf", shown by the window "Produktinformation".
# It stands next to the executable in a build and in share/valsit when installed, where
# the window looks for it; the version is filled in from the project. Users may edit the
# copy in a word processor (it stays RTF).
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/data/XDInfoSV.rtf.in ${CMAKE_BINARY_DIR}/XDInfoSV.rtf
               @ONLY NEWLINE_STYLE CRLF)
include(GNUInstallDirs)
install(FILES ${CMAKE_BINARY_DIR}/XDInfoSV.rtf DESTINATION ${CMAKE_INSTALL_DATADIR}/valsit)
