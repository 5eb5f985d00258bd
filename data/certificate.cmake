# Valmyndigheten's signing certificate (source: Valmyndigheten), with which the signatures
# of its result files are checked: beside the executable in a build, in share/valsit/
# installed (see ResultSignature::shippedKeys).
include(GNUInstallDirs)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/data/val-sign-crt.pem
               ${CMAKE_BINARY_DIR}/val-sign-crt.pem COPYONLY)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/data/val-sign-crt.pem DESTINATION ${CMAKE_INSTALL_DATADIR}/valsit)
