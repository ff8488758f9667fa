# The Debian package: nivora_VERSION_ARCH.deb, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nivora)
set(CPACK_PACKAGE_VERSION ${NIVORA_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "Morlant GmbH")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Rollstab-Viewer - viewer for road-evenness measurements")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Nivora ist ein Betrachter für Ebenheitsmessungen von Fahrbahnen mit dem
Rollstab. Es liest eine Messfahrt in einem von neun Geräte- und Listenformaten
mit ihrer Zustandsdatei, zeigt sie als Diagrammseiten mit Grenzwertlinien,
Streckenabschnitten und Überschreitungen und druckt Diagramm- und
Auswerteseiten. Messdatei und Zustandsdatei werden nie geschrieben.

Nivora is a viewer for road-evenness measurements taken with a rolling
straightedge. It reads nine instrument and list formats, shows a run as
diagram pages and prints diagram and evaluation pages; it never writes the
files it opens. The package also holds nivora-cli, the same viewer for the
command line (summary, JSON, report lines, PDF, PNG and SVG pages).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Morlant GmbH <info@morlant.de>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.morlant.de")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
