# The Debian package: `cpack -G DEB` in the build folder makes
# vellora_VERSION_ARCH.deb from what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Sviluppatori di Vellora <maintainers@users.noreply.c-seed-b5cd54ce.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trasformazioni geometriche del piano per la scuola")
set(CPACK_PACKAGE_DESCRIPTION "\
Con Vellora gli alunni collocano figure su un piano cartesiano, vi applicano
traslazioni, rotazioni, simmetrie, omotetie e stiramenti e ne osservano il
risultato; registrano e rieseguono macro, salvano e stampano i disegni.
.
Vellora lets pupils place figures on a Cartesian plane, apply translations,
rotations, symmetries, homotheties and stretches to them and watch the
result; they record and replay macros, save and print their drawings. The
program speaks Italian.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Debian 12's names of the libraries the program links, and of the Qt parts it
# loads at run time: the platform plugins and Qt's Italian translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "\
libc6 (>= 2.35), libgcc-s1, libstdc++6 (>= 11), \
libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), \
qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)
