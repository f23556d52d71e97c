# Copies each default data file from SOURCE into DEST unless DEST has it already.
file(GLOB datafiles LIST_DIRECTORIES false "${SOURCE}/*.dat" "${SOURCE}/*.ini")
foreach(f IN LISTS datafiles)
  get_filename_component(name "${f}" NAME)
  if(NOT EXISTS "${DEST}/${name}")
    file(COPY "${f}" DESTINATION "${DEST}")
  endif()
endforeach()
