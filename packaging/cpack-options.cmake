# Read by cpack for each package it makes. The /usr prefix is for the
# Debian package only; the source archive keeps the source tree at its top.
if(CPACK_SOURCE_INSTALLED_DIRECTORIES)
  set(CPACK_PACKAGING_INSTALL_PREFIX "")
endif()
