# The Debian package: the files of `cmake --install`, the copyright and changelog Debian
# wants beside them, and the package's control data. `cpack -G DEB` in a Release build
# folder makes zandrift_<version>_<arch>.deb.

set(ZANDRIFT_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/zandrift)
set(ZANDRIFT_MAINTAINER "Zandrift developers <developers@zandrift.org>")

# The copyright file in Debian's machine-readable format, with the MIT text of LICENSE.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license_text)
string(FIND "${license_text}" "Permission is hereby granted" license_body_start)
string(SUBSTRING "${license_text}" ${license_body_start} -1 license_body)
string(STRIP "${license_body}" license_body)
string(REPLACE "\n\n" "\n.\n" license_body "${license_body}")
string(REPLACE "\n" "\n " license_body "${license_body}")
file(READ ${CMAKE_CURRENT_LIST_DIR}/copyright.head copyright_head)
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/packaging/copyright
     CONTENT "${copyright_head}License: MIT\n ${license_body}\n")
install(FILES ${PROJECT_BINARY_DIR}/packaging/copyright DESTINATION ${ZANDRIFT_DOCDIR})
install_gzipped(${CMAKE_CURRENT_LIST_DIR}/changelog changelog.gz ${ZANDRIFT_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zandrift)
set(CPACK_PACKAGE_VENDOR "Zandrift developers")
set(CPACK_PACKAGE_CONTACT "${ZANDRIFT_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "writes pages that send a moved web site's visitors on")
set(CPACK_PACKAGE_DESCRIPTION
    "Zandrift is a small desktop tool for a webmaster whose web site moves to a new\n"
    "address. For every page file of the site's local folder it writes a mover page\n"
    "of the same name: a redirect page that keeps the old page's title and moves on\n"
    "to the new address after a delay, or a framed-forwarding page that shows the\n"
    "new page in a full-window frame. Uploaded in place of the old pages, they bring\n"
    "visitors to the new site.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZANDRIFT_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zandrift.org/)
# Dependencies come from the libraries the executable links; the file manager is opened
# through xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
