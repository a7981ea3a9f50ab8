# Assembles the static site: the page's files, the pictures and the module, and a service
# worker whose cache is named after the contents of all of them.
# Run with -DPAGE_DIR=... -DASSETS_DIR=... -DSITE_DIR=... (the module is already in SITE_DIR) and
# -DTERSER=<the terser program> to minify the scripts, or -DTERSER= to copy them as they are, and
# -DRSVG_CONVERT=<librsvg's rsvg-convert> to draw the icon as PNG, and -DNODE=<Node.js> to run the
# module once for its window model.
# Debian's terser loads its Node modules from /usr/share/nodejs, where a Node.js that is not
# Debian's own does not look by itself.
if("$ENV{NODE_PATH}" STREQUAL "")
  set(ENV{NODE_PATH} /usr/share/nodejs)
else()
  set(ENV{NODE_PATH} "/usr/share/nodejs:$ENV{NODE_PATH}")
endif()
set(page_files index.html tallies.css manifest.webmanifest)
# The page's script, one ES module per job, start.js first.
set(script_files start.js main_window.js phone_layout.js history.js tab_sets.js results.js dialogs.js
                 elements.js updates.js)
set(asset_files icons/tallies.svg images/banner.svg images/gear_pump.svg
                images/cylinder_angle.svg)
set(module_files tallies_core.js tallies_core.wasm)

foreach(file IN LISTS page_files)
  configure_file(${PAGE_DIR}/${file} ${SITE_DIR}/${file} COPYONLY)
endforeach()
# The module's glue is minified in place; the page's script from its source.
foreach(file IN LISTS script_files)
  if(TERSER)
    execute_process(COMMAND ${TERSER} ${PAGE_DIR}/${file} --module --compress --mangle
                            --output ${SITE_DIR}/${file} COMMAND_ERROR_IS_FATAL ANY)
  else()
    configure_file(${PAGE_DIR}/${file} ${SITE_DIR}/${file} COPYONLY)
  endif()
endforeach()
# The window model as the module makes it, for the page to draw the window before the module
# is ready.
execute_process(COMMAND ${NODE} ${CMAKE_CURRENT_LIST_DIR}/write_model.cjs ${SITE_DIR}
                COMMAND_ERROR_IS_FATAL ANY)
list(APPEND page_files model.json)
if(TERSER)
  execute_process(COMMAND ${TERSER} ${SITE_DIR}/tallies_core.js --compress --mangle
                          --output ${SITE_DIR}/tallies_core.js COMMAND_ERROR_IS_FATAL ANY)
endif()
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
foreach(file IN LISTS page_files script_files asset_files module_files)
  file(SHA256 ${SITE_DIR}/${file} hash)
  string(APPEND hashes "${file}:${hash}\n")
  string(APPEND TALLIES_SITE_FILES ", \"${file}\"")
endforeach()
string(SHA256 TALLIES_SITE_HASH "${hashes}")
string(SUBSTRING "${TALLIES_SITE_HASH}" 0 16 TALLIES_SITE_HASH)
configure_file(${PAGE_DIR}/sw.js.in ${SITE_DIR}/sw.js @ONLY)
