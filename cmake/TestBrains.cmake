# The reference brains of the notebook's test levels, built from their brain-edit
# scripts into the data folder as testbrain/w<level>.brn, w<level>f.brn and, where a
# page brain exists, w<level>p.brn; the glob takes in new scripts at the next build.
# Each script names the channel masks it is built with in its first lines.
file(GLOB QUORBIT_TESTBRAIN_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/testbrain/scripts/w*.txt)
set(QUORBIT_TESTBRAINS)
foreach(script IN LISTS QUORBIT_TESTBRAIN_SCRIPTS)
  get_filename_component(level ${script} NAME_WE)
  file(STRINGS ${script} usage REGEX "--inputs [0-9A-Fa-f]+ --outputs [0-9A-Fa-f]+" LIMIT_COUNT 1)
  if(NOT usage MATCHES "--inputs ([0-9A-Fa-f]+) --outputs ([0-9A-Fa-f]+)")
    message(FATAL_ERROR "${script} does not name its channel masks")
  endif()
  set(brain ${QUORBIT_DATA_DIR}/testbrain/${level}.brn)
  add_custom_command(
    OUTPUT ${brain}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORBIT_DATA_DIR}/testbrain
    COMMAND quorbit-cli brain-edit - --inputs ${CMAKE_MATCH_1} --outputs ${CMAKE_MATCH_2}
            --script ${script} --save ${brain} > ${CMAKE_BINARY_DIR}/testbrain-${level}.json
    DEPENDS quorbit-cli ${script}
    COMMENT "Building reference brain ${level}")
  list(APPEND QUORBIT_TESTBRAINS ${brain})
endforeach()
# The hidden brains of the levels' own animals, built the same way into the worlds
# folder, where a world's hidden brain line finds them.
foreach(hidden hunter)
  set(script ${CMAKE_SOURCE_DIR}/data/testbrain/scripts/${hidden}.txt)
  file(STRINGS ${script} usage REGEX "--inputs [0-9A-Fa-f]+ --outputs [0-9A-Fa-f]+" LIMIT_COUNT 1)
  if(NOT usage MATCHES "--inputs ([0-9A-Fa-f]+) --outputs ([0-9A-Fa-f]+)")
    message(FATAL_ERROR "${script} does not name its channel masks")
  endif()
  set(brain ${QUORBIT_DATA_DIR}/worlds/${hidden}.brx)
  add_custom_command(
    OUTPUT ${brain}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORBIT_DATA_DIR}/worlds
    COMMAND quorbit-cli brain-edit - --inputs ${CMAKE_MATCH_1} --outputs ${CMAKE_MATCH_2}
            --script ${script} --save ${brain} > ${CMAKE_BINARY_DIR}/hiddenbrain-${hidden}.json
    DEPENDS quorbit-cli ${script}
    COMMENT "Building hidden brain ${hidden}")
  list(APPEND QUORBIT_TESTBRAINS ${brain})
endforeach()
add_custom_target(quorbit_testbrains ALL DEPENDS ${QUORBIT_TESTBRAINS})
if(TARGET quorbit_core_tests)
  add_dependencies(quorbit_core_tests quorbit_testbrains)
endif()
