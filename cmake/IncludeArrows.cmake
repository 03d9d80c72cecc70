# korvia_check_include_arrows(<library or program>...): every build first checks the quoted includes
# of their sources against the arrows between folders and libraries (cmake/CheckIncludeArrows.cmake),
# and fails on the first build after an include that breaks them.
function(korvia_check_include_arrows)
  set(targets ${ARGN})
  set(content "set(KORVIA_TARGETS ${targets})\n")
  foreach(target IN LISTS targets)
    get_target_property(dir ${target} SOURCE_DIR)
    get_target_property(sources ${target} SOURCES)
    set(relative "")
    foreach(source IN LISTS sources)
      get_filename_component(path ${source} ABSOLUTE BASE_DIR ${dir})
      file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${path})
      # Sources the build generates (moc files) lie outside the program's folders.
      if(path MATCHES "^(app|songs|export|keywords|platform|text|ui|xls)/")
        list(APPEND relative ${path})
      endif()
    endforeach()
    # The libraries the target may include from: itself and all it links, directly or not.
    set(uses ${target})
    set(queue ${target})
    while(queue)
      list(POP_FRONT queue current)
      get_target_property(links ${current} LINK_LIBRARIES)
      foreach(link IN LISTS links)
        if(link IN_LIST targets AND NOT link IN_LIST uses)
          list(APPEND uses ${link})
          list(APPEND queue ${link})
        endif()
      endforeach()
    endwhile()
    string(APPEND content "set(KORVIA_TARGET_${target}_SOURCES \"${relative}\")\n")
    string(APPEND content "set(KORVIA_TARGET_${target}_USES \"${uses}\")\n")
  endforeach()
  set(targets_file ${PROJECT_BINARY_DIR}/include-arrows/targets.cmake)
  file(CONFIGURE OUTPUT ${targets_file} CONTENT "${content}")

  set(script ${PROJECT_SOURCE_DIR}/cmake/CheckIncludeArrows.cmake)
  set(patterns "")
  foreach(folder app songs export keywords platform text ui xls)
    list(APPEND patterns ${PROJECT_SOURCE_DIR}/${folder}/*.h ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  endforeach()
  file(GLOB_RECURSE checked CONFIGURE_DEPENDS ${patterns})
  set(stamp ${PROJECT_BINARY_DIR}/include-arrows/checked.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DTARGETS_FILE=${targets_file} -P ${script}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${checked} ${targets_file} ${script}
    COMMENT "Checking the include arrows"
    VERBATIM)
  add_custom_target(include_arrows ALL DEPENDS ${stamp})
  foreach(target IN LISTS targets)
    add_dependencies(${target} include_arrows)
  endforeach()
  set(KORVIA_INCLUDE_ARROWS_TARGETS_FILE ${targets_file} PARENT_SCOPE)
endfunction()
