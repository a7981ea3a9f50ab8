# Assembles the static site: the page (its stylesheet, the window model and its script inside
# it), the pictures and the module, and a service worker whose cache is named after the contents
# of all of them.
# Run with -DPAGE_DIR=... -DASSETS_DIR=... -DSITE_DIR=... -DWORK_DIR=... (the module is already in
# SITE_DIR), -DESBUILD=<Debian's esbuild> to bundle and minify the scripts,
# -DRSVG_CONVERT=<librsvg's rsvg-convert> to draw the icon as PNG, and -DNODE=<Node.js> to run the
# module once for its window model.
set(page_files index.html manifest.webmanifest)
set(asset_files icons/tallies.svg images/banner.svg images/gear_pump.svg
                images/cylinder_angle.svg)
set(module_files tallies_core.js tallies_core.wasm)

# The page's script, one ES module per job from start.js on, as one script for the page to hold:
# no request for each of ten files, each of which cost the page's thread time; strict, as its
# modules were.
execute_process(COMMAND ${ESBUILD} ${PAGE_DIR}/start.js --bundle --format=iife --minify
                        "--banner:js=\"use strict\";" --log-level=warning
                        --outfile=${WORK_DIR}/page.js COMMAND_ERROR_IS_FATAL ANY)
# The module's glue, minified in place.
execute_process(COMMAND ${ESBUILD} ${SITE_DIR}/tallies_core.js --minify --log-level=warning
                        --outfile=${WORK_DIR}/tallies_core.js COMMAND_ERROR_IS_FATAL ANY)
# The page with the model the module makes, for the page to draw the window before the module
# is ready.
execute_process(COMMAND ${NODE} ${CMAKE_CURRENT_LIST_DIR}/write_page.cjs ${PAGE_DIR} ${SITE_DIR}
                        ${WORK_DIR}/page.js COMMAND_ERROR_IS_FATAL ANY)
configure_file(${WORK_DIR}/tallies_core.js ${SITE_DIR}/tallies_core.js COPYONLY)
configure_file(${PAGE_DIR}/manifest.webmanifest ${SITE_DIR}/manifest.webmanifest COPYONLY)
foreach(file IN LISTS asset_files)
  configure_file(${ASSETS_DIR}/${file} ${SITE_DIR}/${file} COPYONLY)
endforeach()

# The icon at the sizes an installed web app asks for, beside the drawing itself.
file(MAKE_DIRECTORY ${SITE_DIR}/icons)
foreach(size 192 512)
  execute_process(COMMAND ${RSVG_CONVERT} --width=${size} --height=${size}
                          --output=${SITE_DIR}/icons/tallies-${size}.png ${ASSETS_DIR}/icons/tallies.svg
                  COMMAND_ERROR_IS_FATAL ANY)
  list(APPEND asset_files icons/tallies-${size}.png)
endforeach()

set(hashes "")
set(TALLIES_SITE_FILES "\"./\"")
foreach(file IN LISTS page_files asset_files module_files)
  file(SHA256 ${SITE_DIR}/${file} hash)
  string(APPEND hashes "${file}:${hash}\n")
  string(APPEND TALLIES_SITE_FILES ", \"${file}\"")
endforeach()
string(SHA256 TALLIES_SITE_HASH "${hashes}")
string(SUBSTRING "${TALLIES_SITE_HASH}" 0 16 TALLIES_SITE_HASH)
configure_file(${PAGE_DIR}/sw.js.in ${SITE_DIR}/sw.js @ONLY)
