# The Debian package (cpack -G DEB, or scripts/package.sh): everything `cmake --install` lays out, under /usr.
# The version is the project's; the library dependencies are found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Morvik developers")
set(CPACK_PACKAGE_CONTACT "The Morvik developers <morvik@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "analysis of bounded histograms for probabilistic structural design")
set(CPACK_PACKAGE_DESCRIPTION
    "Morvik analyses single bounded histograms: the discretised probability distributions of loads, material \
strengths, cross-section variability and imperfections that feed probabilistic design. It shows a histogram with \
its characteristics, answers value and quantile queries, combines and sums histograms, generates them from \
parametric distributions and builds them from raw data. morvik-cli does the same work in batch, with JSON output.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (its dialogs' buttons and titles) follow the program into Czech with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# The file types and the icon reach the desktop through these (their triggers refresh the caches).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, hicolor-icon-theme, desktop-file-utils")

set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
