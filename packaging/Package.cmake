# The Debian package (`make package`, or `cpack -G DEB` in the build folder): what
# resources/CMakeLists.txt installs, with the manual page, the AppStream metadata and the
# package's own documents, stripped, its dependencies found by dpkg-shlibdeps.
include(GNUInstallDirs)

set(LUMBRIX_DEB_RELEASE 1)
set(LUMBRIX_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(LUMBRIX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/lumbrix)

# Debian keeps manual pages and changelogs compressed, without a time stamp in them.
configure_file(${PROJECT_SOURCE_DIR}/resources/lumbrix.1 ${CMAKE_BINARY_DIR}/packaging/lumbrix.1
               @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/packaging/lumbrix.1.gz
  COMMAND gzip -9nc lumbrix.1 > lumbrix.1.gz
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/lumbrix.1
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
  COMMAND gzip -9nc ${LUMBRIX_PACKAGING_DIR}/changelog.Debian > changelog.Debian.gz
  DEPENDS ${LUMBRIX_PACKAGING_DIR}/changelog.Debian
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
add_custom_target(lumbrix_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/lumbrix.1.gz
                                           ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)

install(FILES ${CMAKE_BINARY_DIR}/packaging/lumbrix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/resources/ru.orvane.lumbrix.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${LUMBRIX_PACKAGING_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME lumbrix)
install(FILES ${LUMBRIX_PACKAGING_DIR}/copyright
              ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
        DESTINATION ${LUMBRIX_DOC_DIR})

# The program is linked with read-only relocations bound at start, as Debian's build flags ask.
target_link_options(lumbrix PRIVATE LINKER:-z,relro LINKER:-z,now)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumbrix)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orvane <lumbrix@orvane.ru>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for hand-written web pages")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${LUMBRIX_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.orvane.ru/lumbrix/")
# The summary above is the first line; this is the long description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Lumbrix is a desktop editor for people who write markup by hand: HTML and
XHTML, CSS, XML, JavaScript, Java, VRML, Perl and CGI, Basic and VBScript,
C and C++, Pascal, batch and configuration files. One frame window holds many
document windows; files keep their encoding (Windows-1251, KOI8-R or
ISO-8859-5) and their line ends. The interface speaks Russian.

Tags, CSS properties and special characters are inserted around the selection
from menus and from a tag master; a publication master styles a page, shows it
in the browser and exports style sheets and templates.")
# The libraries the program links come from dpkg-shlibdeps; Qt loads the rest as plug-ins:
# the window system's (a window needs one) and the SVG pictures of the tool bar.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# Qt's own dialogs in Russian; the browser preview and the links go through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
