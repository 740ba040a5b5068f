# What an installation of the program holds, and helpers shared by the install checks.
# A check that finds a fault reports it with message(SEND_ERROR) and goes on, so one run lists
# every fault; the script then exits with an error. A missing tool or a failed step stops at once.

set(app_id example.tubeweight.TubeWeight)
set(executable_name tube-weight)
set(icon_sizes 32 48 64 96 128)

# Every file the installation holds, relative to the prefix; nothing else may be there.
set(expected_files
  bin/${executable_name}
  share/applications/${app_id}.desktop
  share/metainfo/${app_id}.metainfo.xml
  share/icons/hicolor/scalable/apps/${app_id}.svg
  share/doc/${executable_name}/copyright
  share/doc/${executable_name}/changelog.gz
  share/man/man1/${executable_name}.1.gz)
foreach(pixels IN LISTS icon_sizes)
  list(APPEND expected_files share/icons/hicolor/${pixels}x${pixels}/apps/${app_id}.png)
endforeach()
list(SORT expected_files)

# Sets <variable> to the full path of <program>; stops with the Debian package to install if absent.
function(require_program variable program debian_package)
  find_program(found_${variable} ${program})
  if(NOT found_${variable})
    message(FATAL_ERROR "${program} not found: install the Debian package ${debian_package}")
  endif()
  set(${variable} ${found_${variable}} PARENT_SCOPE)
endfunction()

# Runs a command (the arguments after <output_variable>); stops with its output if it fails,
# otherwise sets <output_variable> to what it wrote on standard output.
function(run_or_stop output_variable)
  execute_process(COMMAND ${ARGN}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    list(JOIN ARGN " " command_line)
    message(FATAL_ERROR "failed (${result}): ${command_line}\n${output}${errors}")
  endif()
  set(${output_variable} "${output}" PARENT_SCOPE)
endfunction()

# Reports every file of <expected> missing from <actual> and every file of <actual> not expected.
# <where> names the place in the report.
function(compare_file_lists where actual expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${actual})
  set(unexpected ${actual})
  list(REMOVE_ITEM unexpected ${expected})
  foreach(file IN LISTS missing)
    message(SEND_ERROR "${where}: missing ${file}")
  endforeach()
  foreach(file IN LISTS unexpected)
    message(SEND_ERROR "${where}: unexpected ${file}")
  endforeach()
endfunction()
