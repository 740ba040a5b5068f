# Builds the Debian package with CPack into a scratch folder and checks it from outside with
# dpkg-deb: it holds exactly the expected files under /usr, owned by root with the usual modes
# (the executable executable); its control fields name this package, version and architecture
# and a placeholder maintainer; and it depends on the Qt libraries the executable links, Qt's
# platform plugins and the two font packages, and on no development package.
#
#   cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<repository> -DPROJECT_VERSION=<x.y.z>
#         -DSCRATCH_DIR=<folder, emptied first> -P check_debian_package.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/InstallChecks.cmake)

require_program(dpkg_deb dpkg-deb dpkg)
require_program(dpkg dpkg dpkg)
# CPack finds these itself to compute the library dependencies; checked here for a clear message.
require_program(dpkg_shlibdeps dpkg-shlibdeps dpkg-dev)
require_program(file_program file file)

file(REMOVE_RECURSE ${SCRATCH_DIR})
run_or_stop(ignored ${CMAKE_CPACK_COMMAND} -G DEB
  --config ${BUILD_DIR}/CPackConfig.cmake -B ${SCRATCH_DIR})
file(GLOB packages ${SCRATCH_DIR}/*.deb)
list(LENGTH packages package_count)
if(NOT package_count EQUAL 1)
  message(FATAL_ERROR "expected one .deb in ${SCRATCH_DIR}, found ${package_count}: ${packages}")
endif()

# The contents: lines like "-rwxr-xr-x root/root 123 2026-01-01 12:00 ./usr/bin/tube-weight".
run_or_stop(listing ${dpkg_deb} --contents ${packages})
string(REGEX REPLACE "\n$" "" listing "${listing}")
string(REPLACE "\n" ";" listing_lines "${listing}")
set(packaged_files "")
foreach(line IN LISTS listing_lines)
  if(NOT line MATCHES "^([-dl])([-rwxsStT]+) ([^ ]+) +[0-9]+ [0-9-]+ [0-9:]+ \\./(.*)$")
    message(SEND_ERROR "unreadable listing line: ${line}")
    continue()
  endif()
  set(kind "${CMAKE_MATCH_1}")
  set(mode "${CMAKE_MATCH_2}")
  set(owner "${CMAKE_MATCH_3}")
  set(path "${CMAKE_MATCH_4}")
  if(NOT owner STREQUAL "root/root")
    message(SEND_ERROR "${path} is owned by ${owner}, not root/root")
  endif()
  if(kind STREQUAL "d")
    set(expected_mode rwxr-xr-x)
  elseif(kind STREQUAL "l")
    message(SEND_ERROR "unexpected symbolic link ${path}")
    continue()
  else()
    list(APPEND packaged_files "${path}")
    set(expected_mode rw-r--r--)
    if(path STREQUAL "usr/bin/${executable_name}")
      set(expected_mode rwxr-xr-x)
    endif()
  endif()
  if(NOT mode STREQUAL expected_mode)
    message(SEND_ERROR "${path} has mode ${mode}, expected ${expected_mode}")
  endif()
endforeach()
list(TRANSFORM expected_files PREPEND usr/ OUTPUT_VARIABLE expected_under_root)
compare_file_lists("package" "${packaged_files}" "${expected_under_root}")

# The control fields.
run_or_stop(architecture ${dpkg} --print-architecture)
string(STRIP "${architecture}" architecture)
set(field_expectations
  "Package|^tube-weight$"
  "Version|^${PROJECT_VERSION}$"
  "Architecture|^${architecture}$"
  "Maintainer|^[^<>]+ <[^@<>]+@tubeweight\\.example>$")
foreach(expectation IN LISTS field_expectations)
  string(REPLACE "|" ";" expectation_parts "${expectation}")
  list(GET expectation_parts 0 field)
  list(GET expectation_parts 1 pattern)
  run_or_stop(value ${dpkg_deb} --field ${packages} ${field})
  string(STRIP "${value}" value)
  if(NOT value MATCHES "${pattern}")
    message(SEND_ERROR "control field ${field} is '${value}', expected to match ${pattern}")
  endif()
endforeach()

# The dependencies: "a (>= 1), b | c, d" -> the package names a, b, c, d.
run_or_stop(depends ${dpkg_deb} --field ${packages} Depends)
string(STRIP "${depends}" depends)
string(REGEX REPLACE "\\([^)]*\\)" "" dependency_names "${depends}")
string(REGEX REPLACE "[ \t\n]*[,|][ \t\n]*" ";" dependency_names "${dependency_names}")
list(TRANSFORM dependency_names STRIP)
foreach(required IN ITEMS libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation
                          fonts-farsiweb)
  if(NOT required IN_LIST dependency_names)
    message(SEND_ERROR "Depends lacks ${required}: ${depends}")
  endif()
endforeach()
foreach(name IN LISTS dependency_names)
  if(name MATCHES "-dev$")
    message(SEND_ERROR "Depends names the development package ${name}: ${depends}")
  endif()
endforeach()
