# Installs a build tree into PREFIX and checks what is there: the two programs in games/, their
# compressed manual pages, the copyright file and changelog, the entry and metainfo (valid, and
# pointing at each other and at the program and icon), and the icon at every size, each PNG as
# large as its folder says.
foreach(var BUILD_DIR PREFIX APP_ID ICON_SIZES DESKTOP_FILE_VALIDATE APPSTREAMCLI)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} not given")
  endif()
endforeach()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

set(desktop ${PREFIX}/share/applications/${APP_ID}.desktop)
set(metainfo ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
foreach(f ${desktop} ${metainfo} ${PREFIX}/share/doc/handfall/copyright
        ${PREFIX}/share/doc/handfall/changelog.gz)
  if(NOT EXISTS ${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
foreach(program handfall handfall-odds)
  execute_process(COMMAND test -x ${PREFIX}/games/${program} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "not an installed program: ${PREFIX}/games/${program}")
  endif()
  # man finds a page by its folder and name, and reads it gzipped.
  set(page ${PREFIX}/share/man/man6/${program}.6.gz)
  execute_process(COMMAND gzip -dc ${page} RESULT_VARIABLE rc OUTPUT_VARIABLE roff ERROR_QUIET)
  if(NOT rc EQUAL 0 OR NOT roff MATCHES "\n\\.TH \"${program}\" \"6\"")
    message(FATAL_ERROR "no gzipped manual page ${program}(6) at ${page}")
  endif()
endforeach()

# The entry starts the installed program by name and shows the installed icon.
file(STRINGS ${desktop} exec_line REGEX "^Exec=")
file(STRINGS ${desktop} icon_line REGEX "^Icon=")
if(NOT exec_line STREQUAL "Exec=handfall")
  message(FATAL_ERROR "the entry runs '${exec_line}', not the installed handfall")
endif()
if(NOT icon_line STREQUAL "Icon=${APP_ID}")
  message(FATAL_ERROR "the entry shows '${icon_line}', not the installed icon ${APP_ID}")
endif()
file(READ ${metainfo} metainfo_text)
if(NOT metainfo_text MATCHES "<id>${APP_ID}</id>"
   OR NOT metainfo_text MATCHES "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>")
  message(FATAL_ERROR "the metainfo does not name ${APP_ID} and its desktop entry")
endif()

foreach(size IN LISTS ICON_SIZES)
  set(png ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  if(NOT EXISTS ${png})
    message(FATAL_ERROR "icon not installed: ${png}")
  endif()
  # A PNG's header: 8 signature bytes, the IHDR chunk's length and type, width, height.
  file(READ ${png} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${png} is ${width}x${height}, not a ${size}x${size} PNG")
  endif()
endforeach()

execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "desktop-file-validate rejects the installed entry")
endif()
# The tree as a software centre reads it: metainfo, the entry it launches and its icon.
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate-tree rejects the installed tree:\n${out}")
endif()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "installed tree in order")
