# Run by CPack on the staged files, after they are stripped: also drops the
# compiler's note (.comment), as Debian's own packaging does.
find_program(strip NAMES strip REQUIRED)
file(GLOB_RECURSE programmes "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/vibralume")
foreach(programme IN LISTS programmes)
    execute_process(COMMAND ${strip} --remove-section=.comment --remove-section=.note ${programme}
        RESULT_VARIABLE resultat)
    if(resultat)
        message(FATAL_ERROR "strip ${programme}: ${resultat}")
    endif()
endforeach()
if(NOT programmes)
    message(FATAL_ERROR "no program under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
