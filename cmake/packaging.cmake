# The Debian package, made by CPack from the install rules of src/qtapp:
#
#   cpack --config build/release/CPackConfig.cmake -B build/release
#
# writes build/release/tallies_<version>_<architecture>.deb, installing under /usr.
#
# On Windows, the zip package made by CPack from the install rules of src/win32app:
#
#   cpack -G ZIP --config build/windows/CPackConfig.cmake -B build/windows
#
# writes build/windows/tallies-<version>-win64.zip, holding tallies.exe (linked statically, it
# needs no DLL) and README.txt in one folder of the same name.
if(WIN32)
  configure_file(${PROJECT_SOURCE_DIR}/assets/windows/README.txt.in
                 ${PROJECT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME tallies)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_VENDOR "Tallies Home")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
  set(CPACK_PACKAGE_FILE_NAME tallies-${PROJECT_VERSION}-win64)
  set(CPACK_STRIP_FILES ON)
  include(CPack)
  return()
endif()

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

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # tallies_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# dpkg-shlibdeps names the packages of the libraries the program links: the Qt 6
# Core, Gui, Widgets and Svg runtimes (the X11 platform plugin comes with Gui),
# and the C and C++ runtimes. The window's font is not a linked library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")

include(CPack)
