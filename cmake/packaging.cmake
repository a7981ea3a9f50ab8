# The Debian package, made by CPack from the install rules of src/app:
#
#   cpack --config build/release/CPackConfig.cmake -B build/release
#
# writes build/release/tallies_<version>_<architecture>.deb, installing under /usr.
if(NOT TALLIES_BUILD_APP OR NOT UNIX OR APPLE OR CMAKE_CROSSCOMPILING)
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallies)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tallies Home")
set(CPACK_PACKAGE_CONTACT "Tallies Home <tallies@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tallies.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The long description, in lines of the width Debian's tools show.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Tallies works out pump horsepower, cylinder area, force and speed, the"
  "torque, horsepower and speed of a shaft, oil velocity in a hose, torque from"
  "displacement, the force of a cylinder at an angle and the flow of a gear"
  "pump. It converts 25 pairs of units both ways, converts temperatures between"
  "Fahrenheit, Celsius and Kelvin, and looks up sheet-metal and wire gauge"
  "thicknesses.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # tallies_1.2.0_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# dpkg-shlibdeps names the packages of the libraries the program links: the Qt 6
# Core, Gui, Widgets and Svg runtimes (the X11 platform plugin comes with Gui),
# and the C and C++ runtimes. The window's font is not a linked library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")

include(CPack)
