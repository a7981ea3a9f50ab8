# Shared by the set-up scripts: the Debian packages Tallies needs and a helper
# that installs the missing ones.

# Compiler, build tools, Qt 6 Widgets and Svg, GoogleTest, the font the
# window is laid out in, and what the install and package tests use: the
# desktop entry and AppStream validators, dpkg-shlibdeps and file for the
# package's dependencies, and lintian to check the package against Debian's
# policy; for the Wayland test, Qt's Wayland platform plugin and Weston, whose
# headless back-end is the compositor the window is shown on; python3-jsonschema
# to check the browser page's model document against its schema; poppler-utils'
# pdftotext to read back the worked-calculation sheet printed to PDF.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgtest-dev
                fonts-liberation desktop-file-utils appstream dpkg-dev file lintian
                qt6-wayland weston python3-jsonschema poppler-utils)
# The standard-library code built once more with clang and LLVM's libc++ (the library of macOS
# and of emscripten) and clang's sanitizer runtimes, GoogleTest from its sources.
LIBCXX_PACKAGES=(clang libclang-rt-14-dev libc++-dev libc++abi-dev googletest cmake ninja-build)
# The standard-library code built as WebAssembly with emscripten (clang and LLVM's libc++),
# GoogleTest from its sources, the test programs run under Node; Chromium, its WebDriver and
# Selenium to drive the page in a headless browser; jsonschema to check the model document.
# esbuild bundles and minifies the page's scripts, rsvg-convert draws its icon as PNG and python3
# serves the site on this computer.
WEB_BUILD_PACKAGES=(emscripten esbuild librsvg2-bin python3 cmake ninja-build)
WEB_PACKAGES=("${WEB_BUILD_PACKAGES[@]}" googletest chromium chromium-driver python3-selenium
              python3-jsonschema)
# To show the window on a machine without a display.
RUN_PACKAGES=(xvfb xauth)
# The Windows build and its tests under Wine: the MinGW-w64 cross compiler, 64-bit Wine,
# GoogleTest's sources, Xvfb for the window tests, the tools that render the Windows program's
# artwork (rsvg-convert, icotool; wrestool reads the program's resources back), unzip to check
# the zip package, wixl to build the Windows Installer package, and the Liberation fonts, which
# Wine draws the window's captions in when it has no Windows fonts of its own (the window tests
# measure them).
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 googletest xvfb xauth librsvg2-bin
                  icoutils unzip cmake ninja-build wixl fonts-liberation)

# Installs the packages that are not installed yet (through sudo when not root).
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}
