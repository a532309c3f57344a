# The Debian package, `cpack -G DEB` (scripts/package): the installed layout under /usr, its
# library dependencies read from the binaries, and maintainer scripts that register the card
# library for every user on install and take the registration away on removal.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME motorhall)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Motorhall developers <motorhall@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "show, copy and preview the 3D vehicle icons of a car navigator")
# The extended description; CPack puts the summary above it and indents its lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Motorhall shows a local folder and a car navigator's vehicle folder side by
side as columns of cards with thumbnails, one .srf file per vehicle. It copies
vehicles between them by drag and drop, deletes them, and previews a vehicle
turning on a backdrop of the navigator's screen. The package also holds
srftool, which inspects vehicle files and draws their thumbnails for file
managers.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The card library is found by shlibdeps only through the program folder's run path.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${MOTORHALL_PROGRAM_DIR})
# Loaded at run time and so unseen by shlibdeps: Qt's screen plugins, and the cards' font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's own words (the standard dialog buttons) in the user's language; English without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/data/debian/postinst
    ${PROJECT_SOURCE_DIR}/data/debian/prerm
    ${PROJECT_SOURCE_DIR}/data/debian/postrm)

# The package's documentation: the copyright file and the changelog, compressed as the policy asks.
install(FILES data/debian/copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/motorhall)
configure_file(data/debian/changelog.in ${CMAKE_BINARY_DIR}/data/debian/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/data/debian/changelog.gz
    COMMAND gzip -9 -n -f -k ${CMAKE_BINARY_DIR}/data/debian/changelog
    DEPENDS ${CMAKE_BINARY_DIR}/data/debian/changelog
    VERBATIM)
add_custom_target(motorhall_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/data/debian/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/data/debian/changelog.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/motorhall)

include(CPack)
