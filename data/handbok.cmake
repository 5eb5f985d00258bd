# The handbook (docs/handbok, Markdown): next to the executable in a build and in
# share/valsit/handbok when installed, where the help window (F1) reads it.
file(GLOB handbok_pages CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/docs/handbok/*.md
     ${CMAKE_CURRENT_SOURCE_DIR}/docs/handbok/*.png)
foreach(page ${handbok_pages})
    get_filename_component(name ${page} NAME)
    configure_file(${page} ${CMAKE_BINARY_DIR}/handbok/${name} COPYONLY)
endforeach()
include(GNUInstallDirs)
install(FILES ${handbok_pages} DESTINATION ${CMAKE_INSTALL_DATADIR}/valsit/handbok)
