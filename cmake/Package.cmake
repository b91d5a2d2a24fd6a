# The release package of the Windows build: ZLTFusen-<version>-win64.zip with the
# program, the user's read-me in English and in Japanese and the licence, nothing
# of the tests or tools.
#   cmake --build build/mingw --target package
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ZLT_PACKAGE_SYSTEM win64)
else()
  set(ZLT_PACKAGE_SYSTEM win32)
endif()

set(ZLT_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
# Windows editors expect CR LF in a read-me. Each read-me starts with a UTF-8
# byte-order mark, which configure_file keeps: without it an older Notepad reads
# the Japanese as code page 932 and garbles it.
set(ZLT_READMES README.txt README-ja.txt)
foreach(readme IN LISTS ZLT_READMES)
  configure_file(${CMAKE_SOURCE_DIR}/package/${readme} ${ZLT_GENERATED_DIR}/${readme} @ONLY
                 NEWLINE_STYLE CRLF)
endforeach()
list(TRANSFORM ZLT_READMES PREPEND ${ZLT_GENERATED_DIR}/)
configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${ZLT_GENERATED_DIR}/LICENSE.txt COPYONLY)

install(TARGETS ZLTFusen RUNTIME DESTINATION .)
install(FILES ${ZLT_READMES} ${ZLT_GENERATED_DIR}/LICENSE.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ZLTFusen)
set(CPACK_PACKAGE_VERSION ${ZLT_VERSION})
set(CPACK_PACKAGE_FILE_NAME ZLTFusen-${ZLT_VERSION}-${ZLT_PACKAGE_SYSTEM})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
