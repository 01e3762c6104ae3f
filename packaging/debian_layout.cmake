# Runs at install time after the files are in place. Debian keeps manual pages compressed and a
# package's licence in doc/<package>/copyright; CPack asks for that layout through
# TINTARA_DEBIAN_PACKAGE, while a plain `cmake --install` leaves the files as they are.
if(NOT TINTARA_DEBIAN_PACKAGE)
  return()
endif()
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
# -n leaves the time and name out, so that the same page gives the same bytes.
execute_process(COMMAND gzip -9nf "${root}/${tintara_man_page}" COMMAND_ERROR_IS_FATAL ANY)
file(COPY_FILE "${root}/${tintara_doc_dir}/LICENSE" "${root}/${tintara_doc_dir}/copyright")
