# The Debian package: what `cmake --install` installs, under /usr, stripped,
# with the version of this project, the dependencies dpkg-shlibdeps finds in
# the binary, and the colour emoji font the picker draws with.
# ./scripts/package builds it; CPack keeps the one version and install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zindozindo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ardo & Melka <zindozindo@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-noto-color-emoji)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tray emoji picker that copies emoji to the clipboard")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A duck in the system tray opens a picker with a search field and a grid of
932 emoji. Typing filters the grid by keyword or by the emoji itself; a
click copies the emoji to the clipboard as plain text, exactly, joiners and
variation selectors included, and closes the picker. It works from the
keyboard alone and with screen readers, on X11 and Wayland, and answers
zindozindo --show from a keyboard shortcut. No settings, no files, no
network.")
include(CPack)
