# The temporary folder every test runs with: PREPARAR empties it, COMPROBAR
# fails when a test left anything in it.
#   cmake -DCARPETA=<folder> -DMODO=PREPARAR|COMPROBAR -P temporales.cmake
if(MODO STREQUAL "PREPARAR")
  file(REMOVE_RECURSE ${CARPETA})
  file(MAKE_DIRECTORY ${CARPETA}/tmp ${CARPETA}/runtime)
  # Qt wants its runtime folder private.
  file(CHMOD ${CARPETA}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
elseif(MODO STREQUAL "COMPROBAR")
  file(GLOB restos ${CARPETA}/tmp/*)
  if(restos)
    message(FATAL_ERROR "Tests left these in the temporary folder:\n${restos}")
  endif()
else()
  message(FATAL_ERROR "MODO must be PREPARAR or COMPROBAR")
endif()
