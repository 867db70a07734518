# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in the build folder makes the Debian package of what the install rules install,
# under /usr. Its dependencies come from the libraries the binaries actually link
# (dpkg-shlibdeps, from dpkg-dev).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorelles)
set(CPACK_PACKAGE_VENDOR "Équipe Vorelles")
set(CPACK_PACKAGE_CONTACT "Équipe Vorelles <vorelles@vorelles.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "seize jeux de patience français")
set(CPACK_PACKAGE_DESCRIPTION
    "Vorelles réunit seize jeux de patience français, les « vorelles », chacun
joué à la souris dans sa propre fenêtre. Le programme connaît les règles,
guide le joueur à chaque coup, dit quand la partie est gagnée ou perdue et la
chronomètre ; chaque partie terminée s'ajoute à un historique que l'on peut
consulter, chercher, imprimer et exporter.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vorelles.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The buttons of Qt's own dialogs ("Oui", "Non", "Annuler") come from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
