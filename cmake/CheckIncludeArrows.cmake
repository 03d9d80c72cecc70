# Checks that every quoted #include of the program's sources follows the arrows between its folders
# and between its libraries; run by the build (cmake -P) and by the tests.
#
#   -DSOURCE_DIR=<repository>  -DTARGETS_FILE=<libraries and their sources, written when configuring>
#   -DPROBE=<file>|<include>   optional: checks as if the file also had this include
#
# Folders: app may include all the others; export and keywords may include songs, ui, xls and
# platform, and keywords export (the hit list's workbook is written as the detail one is); songs may include ui and platform; platform, ui (the shared
# widgets) and xls (a library of its own) include none of the others; nothing includes app. Libraries: a source may include the headers of its own library and of the
# libraries it links (directly or through others), and no other header of the program.

cmake_minimum_required(VERSION 3.24)

set(folders app songs export keywords platform ui xls)
set(allowed_app app songs export keywords platform ui xls)
set(allowed_export export songs platform ui xls)
set(allowed_keywords keywords songs export platform ui xls)
set(allowed_songs songs platform ui)
set(allowed_platform platform)
set(allowed_ui ui)
set(allowed_xls xls)

include(${TARGETS_FILE})

set(violations "")
macro(refuse text)
  string(APPEND violations "  ${text}\n")
endmacro()

# Quoted includes of a file (relative to SOURCE_DIR), the probe's included.
function(quoted_includes file out)
  file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  set(found "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" name "${line}")
    list(APPEND found ${name})
  endforeach()
  if(PROBE)
    string(REPLACE "|" ";" probe "${PROBE}")
    list(GET probe 0 probe_file)
    list(GET probe 1 probe_include)
    if(probe_file STREQUAL file)
      list(APPEND found ${probe_include})
    endif()
  endif()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# The repository path an include names: a folder of the program first, else beside the file.
function(resolve file name out)
  string(REGEX MATCH "^[^/]+" head "${name}")
  if(head IN_LIST folders OR head STREQUAL "tests" OR head STREQUAL "bench")
    set(${out} ${name} PARENT_SCOPE)
  else()
    get_filename_component(dir ${file} DIRECTORY)
    get_filename_component(path ${SOURCE_DIR}/${dir}/${name} ABSOLUTE)
    file(RELATIVE_PATH path ${SOURCE_DIR} ${path})
    set(${out} ${path} PARENT_SCOPE)
  endif()
endfunction()

# The folder arrows, over every source of the program's folders, built here or not.
set(patterns "")
foreach(folder IN LISTS folders)
  list(APPEND patterns ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
endforeach()
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${patterns})
foreach(file IN LISTS sources)
  string(REGEX MATCH "^[^/]+" from "${file}")
  quoted_includes(${file} names)
  foreach(name IN LISTS names)
    resolve(${file} ${name} path)
    string(REGEX MATCH "^[^/]+" to "${path}")
    if(NOT to IN_LIST allowed_${from} AND (to IN_LIST folders OR to STREQUAL "tests" OR to STREQUAL "bench"))
      refuse("${file} includes ${name}: ${from}/ may include only ${allowed_${from}}")
    endif()
  endforeach()
endforeach()

# The library arrows.
foreach(target IN LISTS KORVIA_TARGETS)
  foreach(file IN LISTS KORVIA_TARGET_${target}_SOURCES)
    if(file MATCHES "\\.h$")
      set(owner_of_${file} ${target})
    endif()
  endforeach()
endforeach()
foreach(target IN LISTS KORVIA_TARGETS)
  foreach(file IN LISTS KORVIA_TARGET_${target}_SOURCES)
    quoted_includes(${file} names)
    foreach(name IN LISTS names)
      resolve(${file} ${name} path)
      string(REGEX MATCH "^[^/]+" to "${path}")
      if(NOT to IN_LIST folders)
        continue()
      endif()
      set(owner "${owner_of_${path}}")
      if(owner STREQUAL "")
        refuse("${file} includes ${name}, which belongs to no library")
      elseif(NOT owner IN_LIST KORVIA_TARGET_${target}_USES)
        refuse("${file} (${target}) includes ${name} of ${owner}, which ${target} does not link")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes against the arrows between folders and libraries:\n${violations}")
endif()
