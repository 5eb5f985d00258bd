# Valsit as a Windows program (included by CMakeLists.txt when building for Windows; in
# practice cross-built with MinGW-w64 by scripts/build-windows.sh).
#
# valsit is a GUI program (no console window beside it); both executables carry the icon
# and a version resource. The install puts beside the executables in bin/ what Windows has
# no package manager to bring: the Qt DLLs and plugins the program loads, the MinGW
# runtime, SQLite, libzip and zlib. windeployqt cannot run in a cross build, so the list is
# kept here; scripts/test-windows.sh installs the MSI and runs the installed programs, which
# is where a missing DLL shows.
enable_language(RC)

set_target_properties(valsit PROPERTIES WIN32_EXECUTABLE ON)

function(valsit_windows_resource target description)
    set(VALSIT_RC_NAME ${target})
    set(VALSIT_RC_FILE ${target}.exe)
    set(VALSIT_RC_DESCRIPTION ${description})
    set(VALSIT_RC_ICON ${PROJECT_SOURCE_DIR}/packaging/windows/valsit.ico)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/version.rc.in
                   ${CMAKE_BINARY_DIR}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/${target}.rc)
endfunction()
valsit_windows_resource(valsit "Valsit")
valsit_windows_resource(valsit-calc "Valsit, kommandorad")

# Qt: the modules the program links and the plugins it loads at run time (the platform,
# the SQLite driver, the native look).
foreach(module Core Gui Widgets Sql PrintSupport)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
install(FILES $<TARGET_FILE:Qt6::QSQLiteDriverPlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/sqldrivers)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)

# The other DLLs: the compiler's runtime, and the libraries found for the build (their
# DLLs stand in bin/ beside lib/ of the same prefix, or in the MinGW sysroot's lib/).
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(gcc_runtime_dir "${libstdcxx}" DIRECTORY)
get_filename_component(sqlite_dir "${SQLite3_LIBRARY}" DIRECTORY)
set(dll_dirs ${gcc_runtime_dir} ${sqlite_dir}/../bin ${LIBZIP_LIBDIR}/../bin)
foreach(root ${CMAKE_FIND_ROOT_PATH})
    list(APPEND dll_dirs ${root}/bin ${root}/lib)
endforeach()
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll zlib1.dll libsqlite3-0.dll
            libzip.dll)
    string(MAKE_C_IDENTIFIER "VALSIT_DLL_${dll}" var)
    find_file(${var} ${dll} PATHS ${dll_dirs} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT ${var})
        message(FATAL_ERROR "${dll} not found in ${dll_dirs}")
    endif()
    install(FILES ${${var}} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
