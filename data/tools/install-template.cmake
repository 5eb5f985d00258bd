# Puts the template next to the program unless one is there already (see template.cmake).
if(NOT EXISTS "${INSTALLED}")
    file(COPY_FILE "${FRESH}" "${INSTALLED}")
    message(STATUS "Template database: ${INSTALLED}")
endif()
