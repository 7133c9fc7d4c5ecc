# Copies SOURCE to TARGET only when TARGET does not exist yet.
if(NOT EXISTS "${TARGET}")
    configure_file("${SOURCE}" "${TARGET}" COPYONLY)
endif()
