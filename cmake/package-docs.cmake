# The documents a Debian package carries beside the program, made in the build tree from the
# project's own sources so that none repeats what is written elsewhere:
#
#   copyright       the machine-readable copyright file, its holders and licence text read from
#                   LICENSE;
#   changelog.gz    one Debian changelog entry, for the project's version and release date;
#   tallies.1.gz    the manual page, from assets/tallies.1.in.
#
# Both .gz files are compressed with gzip -9n, as Debian's tools do, so that they keep no file
# name or time stamp and the package is the same on every build. tallies_package_docs(<folder>)
# makes them in <folder> and sets TALLIES_COPYRIGHT_FILE, TALLIES_CHANGELOG_GZ and TALLIES_MANPAGE_GZ
# to their paths in the caller's scope.

# The date of a changelog entry, in the form RFC 5322 gives (Debian's changelog demands it):
# "Tue, 08 Dec 2026 00:00:00 +0000" from "2026-12-08".
function(tallies_changelog_date iso_date out_var)
  if(NOT iso_date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "Not a YYYY-MM-DD date: ${iso_date}")
  endif()
  set(year ${CMAKE_MATCH_1})
  set(day_text ${CMAKE_MATCH_3})
  # The leading 1 keeps "08" from being read as anything but eight.
  math(EXPR month "1${CMAKE_MATCH_2} - 100")
  math(EXPR day "1${day_text} - 100")
  # The day of the week by Sakamoto's method (0 is Sunday): January and February count as the
  # last months of the year before.
  set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${month} - 1")
  list(GET month_offsets ${index} offset)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET weekdays ${weekday} weekday_name)
  list(GET months ${index} month_name)
  set(${out_var} "${weekday_name}, ${day_text} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

function(tallies_package_docs folder)
  find_program(TALLIES_GZIP gzip REQUIRED)

  # LICENSE: a title, the copyright line, then the licence text, which the copyright file's
  # License paragraph holds as continuation lines (a blank line written as " .").
  file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
  if(NOT license MATCHES "Copyright \\(c\\) ([^\n]+)\n\n(.*[^\n])\n*$")
    message(FATAL_ERROR "LICENSE has no copyright line followed by the licence text")
  endif()
  set(TALLIES_COPYRIGHT "${CMAKE_MATCH_1}")
  string(REGEX REPLACE "\n\n" "\n.\n" text "${CMAKE_MATCH_2}")
  string(REPLACE "\n" "\n " text "${text}")
  set(TALLIES_LICENSE_TEXT " ${text}")

  tallies_changelog_date(${TALLIES_RELEASE_DATE} TALLIES_RELEASE_DATE_RFC2822)

  set(copyright ${folder}/copyright)
  set(changelog ${folder}/changelog)
  set(manpage ${folder}/tallies.1)
  configure_file(${PROJECT_SOURCE_DIR}/assets/debian/copyright.in ${copyright} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/assets/debian/changelog.in ${changelog} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/assets/tallies.1.in ${manpage} @ONLY)
  foreach(file ${changelog} ${manpage})
    add_custom_command(OUTPUT ${file}.gz
      COMMAND ${TALLIES_GZIP} -9nkf ${file}
      DEPENDS ${file}
      COMMENT "Compressing ${file}"
      VERBATIM)
  endforeach()
  add_custom_target(tallies_package_docs ALL DEPENDS ${changelog}.gz ${manpage}.gz)

  set(TALLIES_COPYRIGHT_FILE ${copyright} PARENT_SCOPE)
  set(TALLIES_CHANGELOG_GZ ${changelog}.gz PARENT_SCOPE)
  set(TALLIES_MANPAGE_GZ ${manpage}.gz PARENT_SCOPE)
endfunction()
