# Installs the built program into a scratch DESTDIR with the prefix /usr, as a package would, and
# checks what lands there: exactly the expected files; icons of the size their hicolor folder
# names, for every size drawn in art/icon; a menu entry and an AppStream description that pass
# their validators and agree with each other and with the executable's name; and a newest
# release in the description and in the change log that is the project's version.
#
#   cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<repository> -DPROJECT_VERSION=<x.y.z>
#         -DSCRATCH_DIR=<folder, emptied first> -P check_install_tree.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/InstallChecks.cmake)

require_program(desktop_file_validate desktop-file-validate desktop-file-utils)
require_program(appstreamcli appstreamcli appstream)
require_program(gzip gzip gzip)

set(destdir ${SCRATCH_DIR}/root)
file(REMOVE_RECURSE ${SCRATCH_DIR})
set(ENV{DESTDIR} ${destdir})
run_or_stop(ignored ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)
unset(ENV{DESTDIR})
set(prefix ${destdir}/usr)

# Exactly the expected files, all under the prefix.
file(GLOB_RECURSE installed RELATIVE ${destdir} LIST_DIRECTORIES false ${destdir}/*)
list(TRANSFORM expected_files PREPEND usr/ OUTPUT_VARIABLE expected_under_root)
compare_file_lists("DESTDIR" "${installed}" "${expected_under_root}")

# Every size drawn in art/icon is installed.
file(GLOB drawn_icons RELATIVE ${SOURCE_DIR}/art/icon ${SOURCE_DIR}/art/icon/icon-*.png)
foreach(drawn IN LISTS drawn_icons)
  string(REGEX REPLACE "^icon-([0-9]+)\\.png$" "\\1" pixels ${drawn})
  if(NOT pixels IN_LIST icon_sizes)
    message(SEND_ERROR "art/icon/${drawn} is drawn but not installed in the hicolor theme")
  endif()
endforeach()

# A PNG in hicolor/NxN must be N by N pixels: its header's IHDR chunk holds width and height.
foreach(pixels IN LISTS icon_sizes)
  set(icon ${prefix}/share/icons/hicolor/${pixels}x${pixels}/apps/${app_id}.png)
  if(NOT EXISTS ${icon})
    continue()
  endif()
  file(READ ${icon} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 24 8 chunk_type)
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk_type STREQUAL "49484452")
    message(SEND_ERROR "${pixels}x${pixels} icon is not a PNG file")
    continue()
  endif()
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL pixels OR NOT height EQUAL pixels)
    message(SEND_ERROR "${pixels}x${pixels} icon is ${width}x${height} pixels")
  endif()
endforeach()
set(scalable_icon ${prefix}/share/icons/hicolor/scalable/apps/${app_id}.svg)
if(EXISTS ${scalable_icon})
  file(READ ${scalable_icon} svg)
  if(NOT svg MATCHES "<svg[^>]+xmlns=\"http://www.w3.org/2000/svg\"")
    message(SEND_ERROR "scalable icon is not an SVG document")
  endif()
endif()

# The change log's newest entry, "tube-weight (x.y.z) ...", is this version too.
set(changelog_file ${prefix}/share/doc/${executable_name}/changelog.gz)
if(EXISTS ${changelog_file})
  execute_process(COMMAND ${gzip} --decompress --stdout ${changelog_file}
    RESULT_VARIABLE result OUTPUT_VARIABLE changelog ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(SEND_ERROR "change log is not gzip data: ${errors}")
  elseif(NOT changelog MATCHES "^${executable_name} \\(([^)]*)\\)")
    message(SEND_ERROR "change log does not start with '${executable_name} (version)'")
  elseif(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(SEND_ERROR "change log's newest entry is ${CMAKE_MATCH_1}, not ${PROJECT_VERSION}")
  endif()
endif()

set(desktop_file ${prefix}/share/applications/${app_id}.desktop)
set(metainfo_file ${prefix}/share/metainfo/${app_id}.metainfo.xml)
if(NOT EXISTS ${desktop_file} OR NOT EXISTS ${metainfo_file})
  return() # reported above; nothing left to validate
endif()

# The validators. desktop-file-validate exits 0 on warnings and hints: any output is a fault.
execute_process(COMMAND ${desktop_file_validate} ${desktop_file}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
  message(SEND_ERROR "desktop-file-validate (${result}):\n${output}")
endif()
# appstreamcli checks the file alone, then the installed tree (the launchable entry is there, ...).
# --strict fails on infos as well as warnings and errors. The one info let through: the validator
# does not know the reserved top-level domain .example, so it doubts the id is reverse-DNS.
foreach(what IN ITEMS "validate;${metainfo_file}" "validate-tree;${prefix}")
  execute_process(COMMAND ${appstreamcli} ${what} --no-net --strict
    --override=cid-maybe-not-rdns=pedantic
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    list(JOIN what " " command_line)
    message(SEND_ERROR "appstreamcli ${command_line} (${result}):\n${output}")
  endif()
endforeach()

# The menu entry starts the installed executable and names the installed icon.
file(STRINGS ${desktop_file} desktop_lines)
foreach(key IN ITEMS Name Exec Icon)
  set(desktop_${key} "")
  foreach(line IN LISTS desktop_lines)
    if(line MATCHES "^${key}=(.*)$")
      set(desktop_${key} "${CMAKE_MATCH_1}")
      break()
    endif()
  endforeach()
endforeach()
separate_arguments(exec_words UNIX_COMMAND "${desktop_Exec}")
list(GET exec_words 0 started_program)
if(NOT EXISTS ${prefix}/bin/${started_program})
  message(SEND_ERROR "desktop entry runs '${started_program}', which is not installed in bin/")
endif()
if(NOT desktop_Icon STREQUAL app_id)
  message(SEND_ERROR "desktop entry's icon '${desktop_Icon}' is not the installed '${app_id}'")
endif()

# The AppStream description names the same component, entry, executable and program name, and its
# newest release (listed first) is this version.
file(READ ${metainfo_file} metainfo)
set(metainfo_facts
  "component id|<id>([^<]*)</id>|${app_id}"
  "launchable|<launchable type=\"desktop-id\">([^<]*)</launchable>|${app_id}.desktop"
  "provided binary|<binary>([^<]*)</binary>|${executable_name}"
  "name|<name>([^<]*)</name>|${desktop_Name}"
  "newest release|<release version=\"([^\"]*)\"|${PROJECT_VERSION}")
foreach(fact IN LISTS metainfo_facts)
  string(REPLACE "|" ";" fact_parts "${fact}")
  list(GET fact_parts 0 what)
  list(GET fact_parts 1 pattern)
  list(GET fact_parts 2 expected)
  set(found "(none)")
  if(metainfo MATCHES "${pattern}")
    set(found "${CMAKE_MATCH_1}")
  endif()
  if(NOT found STREQUAL expected)
    message(SEND_ERROR "metainfo ${what} is '${found}', expected '${expected}'")
  endif()
endforeach()

