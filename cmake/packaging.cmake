# The Debian package, made by CPack from the install rules of src/qtapp:
#
#   cpack --config build/release/CPackConfig.cmake -B build/release
#
# writes build/release/tallies_<version>_<architecture>.deb, installing under /usr, with the
# manual page, the copyright file and the changelog Debian's policy asks for
# (cmake/package-docs.cmake). Its home page is the build setting TALLIES_SITE_URL.
#
# On Windows, the zip package made by CPack from the install rules of src/win32app:
#
#   cpack -G ZIP --config build/windows/CPackConfig.cmake -B build/windows
#
# writes build/windows/tallies-<version>-win64.zip, holding tallies.exe (linked statically, it
# needs no DLL), README.txt and LICENSE.txt in one folder of the same name. Beside it, the
# Windows Installer package of the same files (wixl, from package wixl):
#
#   cmake --build build/windows --target tallies_msi
#
# writes build/windows/tallies-<version>-win64.msi, which installs for the current user without
# administrator rights and replaces an older version.
if(WIN32)
  configure_file(${PROJECT_SOURCE_DIR}/assets/windows/README.txt.in
                 ${PROJECT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
  # .txt with Windows line ends, so that a double-click opens it readably in Notepad.
  configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_BINARY_DIR}/LICENSE.txt
                 @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${PROJECT_BINARY_DIR}/LICENSE.txt DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME tallies)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_PACKAGE_VENDOR "Tallies Home")
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
  set(CPACK_PACKAGE_FILE_NAME tallies-${PROJECT_VERSION}-win64)
  set(CPACK_STRIP_FILES ON)
  include(CPack)

  find_program(TALLIES_WIXL wixl)
  if(TARGET tallies AND TALLIES_WIXL)
    # wixl finds its sources relative to where it runs: the work folder holds the configured
    # WiX source, the icon and, in files/, the install rules' output, stripped as in the zip.
    set(msi_work ${PROJECT_BINARY_DIR}/msi)
    set(msi ${PROJECT_BINARY_DIR}/tallies-${PROJECT_VERSION}-win64.msi)
    file(MAKE_DIRECTORY ${msi_work})
    configure_file(${PROJECT_SOURCE_DIR}/assets/windows/tallies.wxs.in ${msi_work}/tallies.wxs
                   @ONLY)
    # The upgrade rules take every version below the next revision as older (see tallies.wxs).
    math(EXPR next_revision "${PROJECT_VERSION_PATCH} + 1")
    set(upgrade_below ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${next_revision})
    add_custom_command(OUTPUT ${msi}
      COMMAND ${CMAKE_COMMAND} -E rm -rf ${msi_work}/files
      COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${msi_work}/files --strip
      COMMAND ${CMAKE_COMMAND} -E copy ${TALLIES_WIN32_ICON} ${msi_work}/tallies.ico
      COMMAND ${CMAKE_COMMAND} -E chdir ${msi_work}
              ${TALLIES_WIXL} --arch x64 -D Version=${PROJECT_VERSION}
              -D UpgradeBelow=${upgrade_below} -o ${msi} tallies.wxs
      DEPENDS tallies ${msi_work}/tallies.wxs ${PROJECT_BINARY_DIR}/README.txt
              ${PROJECT_BINARY_DIR}/LICENSE.txt
      COMMENT "Making tallies-${PROJECT_VERSION}-win64.msi"
      VERBATIM)
    add_custom_target(tallies_msi DEPENDS ${msi})
  elseif(TARGET tallies)
    message(STATUS "wixl not found: no tallies_msi target (Debian package wixl)")
  endif()
  return()
endif()

if(NOT TALLIES_BUILD_APP OR NOT UNIX OR APPLE OR CMAKE_CROSSCOMPILING)
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallies)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tallies Home")
set(CPACK_PACKAGE_CONTACT "${TALLIES_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TALLIES_SITE_URL}")
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
# and the C and C++ runtimes. Neither the window's font nor the Wayland platform
# plugin is a linked library; with the plugin, the program runs on a Wayland
# desktop as a Wayland program rather than through XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-wayland")
# The package's control files are readable by all and writable by root only, as
# dpkg-deb makes them.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
