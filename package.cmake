# The Debian package: `cpack` in the build folder makes pigmenta_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pigmenta)
set(CPACK_PACKAGE_VENDOR Tarvo)
set(CPACK_PACKAGE_CONTACT "Tarvo <help@tarvo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour tool for people who write web pages")
set(CPACK_PACKAGE_DESCRIPTION
    "Take a colour from anywhere on the screen, from a palette or by typing it, and put it on the clipboard as HTML or CSS text.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://pigmenta.example.org/)
# The libraries come from what the program links; Qt's platform plugins are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils, xdg-desktop-portal")
include(CPack)
