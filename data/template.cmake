# The template election database "Valsit.mdb", made from data/schema.sql.
#
# A fresh copy is generated into build/data/ whenever the schema changes; that copy is
# what the tests use. The program's own copy next to the executable is also the working
# database of a user who has chosen no other, so it is put there only when it is missing:
# a rebuild never wipes votes typed into it.
add_executable(valsit-mktemplate ${CMAKE_CURRENT_SOURCE_DIR}/data/tools/valsit-mktemplate.cpp)
target_link_libraries(valsit-mktemplate PRIVATE valsit_core)

set(VALSIT_TEMPLATE_FRESH ${CMAKE_BINARY_DIR}/data/Valsit.mdb)
set(VALSIT_TEMPLATE_INSTALLED ${CMAKE_BINARY_DIR}/Valsit.mdb)

add_custom_command(
    OUTPUT ${VALSIT_TEMPLATE_FRESH}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/data
    COMMAND valsit-mktemplate ${CMAKE_CURRENT_SOURCE_DIR}/data/schema.sql ${VALSIT_TEMPLATE_FRESH}
    DEPENDS valsit-mktemplate ${CMAKE_CURRENT_SOURCE_DIR}/data/schema.sql
    COMMENT "Making the template election database Valsit.mdb"
    VERBATIM)

add_custom_target(valsit_template ALL
    COMMAND ${CMAKE_COMMAND} -DFRESH=${VALSIT_TEMPLATE_FRESH} -DINSTALLED=${VALSIT_TEMPLATE_INSTALLED}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/data/tools/install-template.cmake
    DEPENDS ${VALSIT_TEMPLATE_FRESH}
    VERBATIM)
