# Packages for users, made by "cmake --build DIR --target package" (cpack):
#   Windows build: d88tools-VERSION-windows-x86_64.zip, the .exe files and
#                  README.md side by side;
#   other builds:  d88tools-VERSION-linux-x86_64.tar.gz, bin/ and
#                  share/doc/d88tools/README.md.
if(WIN32)
  install(FILES README.md DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-${CMAKE_SYSTEM_PROCESSOR})
else()
  install(FILES README.md DESTINATION share/doc/d88tools)
  set(CPACK_GENERATOR TGZ)
  string(TOLOWER "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}"
         CPACK_SYSTEM_NAME)
endif()
set(CPACK_PACKAGE_NAME d88tools)
set(CPACK_PACKAGE_VENDOR d88tools)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Programs that take raw data out of D88 floppy-disk images")
set(CPACK_PACKAGE_FILE_NAME
    ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
include(CPack)
