# The Debian package of the program (cpack -G DEB, see scripts/package): what
# `cmake --install` installs, with the run-time dependencies that
# dpkg-shlibdeps finds in the program, and those it loads by name at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumenor)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_CONTACT "Velmora")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Viewer for IFC building-model files")
set(CPACK_PACKAGE_DESCRIPTION
    "Lists every entity of an IFC file, unfolds the entities it refers to, to any depth, "
    "shows the entities that refer to the selected one and searches; built for files of "
    "millions of entities. Opens .ifc files and compressed .ifc.gz and .ifczip files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libxcb is opened by name to check the display before Qt's xcb plugin
# would abort on one that cannot be reached; libxcb-xkb to read the lock keys.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libxcb1, libxcb-xkb1")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-wayland")
include(CPack)
