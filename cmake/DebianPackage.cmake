# `cpack -G DEB` in the build tree makes a Debian package of everything
# `cmake --install` installs: both programs, the data, the desktop entry, the
# icon and the project file type. dpkg-shlibdeps (from dpkg-dev) finds the
# libraries the programs link; the rest is declared here.
set(CPACK_PACKAGE_NAME targello)
set(CPACK_PACKAGE_VENDOR "Targello")
set(CPACK_PACKAGE_CONTACT "Targello <targello@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kreator sklepu internetowego w jednym pliku HTML")
set(CPACK_PACKAGE_DESCRIPTION "Targello composes a static web shop (products with name, price, \
description and picture, layout, colours and the order address) and generates it as one HTML page \
with a folder of pictures. The shop needs no server. The program speaks Polish; targello-export \
generates a shop from a project file.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a platform plugin; the file type and the preview need the
# desktop's MIME database and xdg-open. These come on top of the libraries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, shared-mime-info, xdg-utils")
# WebP and TIFF pictures, and Qt's own buttons in Polish.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, qt6-translations-l10n")
set(CPACK_GENERATOR DEB)
include(CPack)
