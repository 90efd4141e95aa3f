# Lays out the program directory next to the executable. Existing files are kept: the
# draw databases there may hold a player's draws.
foreach(g 5 6 7)
  if(NOT EXISTS ${PROGRAM_DIR}/Dat/Huzas${g}.ldb)
    file(COPY ${SOURCE_DIR}/resources/Dat/Huzas${g}.ldb DESTINATION ${PROGRAM_DIR}/Dat)
  endif()
endforeach()
file(COPY ${SOURCE_DIR}/resources/Help/Varion.hlp ${SOURCE_DIR}/resources/Help/Varion.cnt
     DESTINATION ${PROGRAM_DIR}/Help)
