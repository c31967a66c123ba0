# Installing the Linux program (cmake --install) and its Debian package (cpack -G DEB).
install(TARGETS qelvorin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS k7v2err4 LIBRARY DESTINATION ${QELVORIN_MESSAGE_DIR})
configure_file(packaging/qelvorin.1.in qelvorin.1 @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/qelvorin.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME qelvorin)
set(CPACK_PACKAGE_VENDOR "The Qelvorin developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert mailboxes of the zirpa mail client into nivoka card files")
set(CPACK_PACKAGE_DESCRIPTION "Qelvorin converts a mailbox of the zirpa mail client (*.mbx, code page 932)
into a nivoka card-text file (*.ren), interactively on a terminal or in a batch run.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Qelvorin developers")
set(CPACK_DEBIAN_PACKAGE_SECTION mail)
# What dpkg-shlibdeps finds for the program and its message library on Debian 12, written out so that packaging
# does not need dpkg-dev.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 11)")
include(CPack)
