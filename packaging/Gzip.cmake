# cmake -DENTREE=<file> -DSORTIE=<file.gz> -P Gzip.cmake
# Compressed as Debian wants manual pages and changelogs: at the highest level,
# with no file name or time stamp inside, so that rebuilding gives the same bytes.
execute_process(COMMAND gzip -9nc INPUT_FILE ${ENTREE} OUTPUT_FILE ${SORTIE}
    RESULT_VARIABLE resultat)
if(resultat)
    message(FATAL_ERROR "gzip ${ENTREE}: ${resultat}")
endif()
