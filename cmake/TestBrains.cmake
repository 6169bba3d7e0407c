# The reference brains of the notebook's test levels, built from their brain-edit
# scripts into the data folder as testbrain/w<level>.brn, w<level>f.brn and, where a
# page brain exists, w<level>p.brn; the glob takes in new scripts at the next build.
# Each script names the channel masks it is built with in its first lines.
set(QUORBIT_TESTBRAINS)

# Adds the rule that replays SCRIPT with brain-edit into BRAIN, with the masks it names.
function(quorbit_brain_from_script script brain what)
  get_filename_component(name ${script} NAME_WE)
  get_filename_component(folder ${brain} DIRECTORY)
  file(STRINGS ${script} usage REGEX "--inputs [0-9A-Fa-f]+ --outputs [0-9A-Fa-f]+" LIMIT_COUNT 1)
  if(NOT usage MATCHES "--inputs ([0-9A-Fa-f]+) --outputs ([0-9A-Fa-f]+)")
    message(FATAL_ERROR "${script} does not name its channel masks")
  endif()
  add_custom_command(
    OUTPUT ${brain}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND quorbit-cli brain-edit - --inputs ${CMAKE_MATCH_1} --outputs ${CMAKE_MATCH_2}
            --script ${script} --save ${brain} > ${CMAKE_BINARY_DIR}/${what}-${name}.json
    DEPENDS quorbit-cli ${script}
    COMMENT "Building ${what} ${name}")
  set(QUORBIT_TESTBRAINS ${QUORBIT_TESTBRAINS} ${brain} PARENT_SCOPE)
endfunction()

file(GLOB QUORBIT_TESTBRAIN_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/testbrain/scripts/w*.txt)
foreach(script IN LISTS QUORBIT_TESTBRAIN_SCRIPTS)
  get_filename_component(level ${script} NAME_WE)
  quorbit_brain_from_script(${script} ${QUORBIT_DATA_DIR}/testbrain/${level}.brn testbrain)
endforeach()
# The hidden brains of the levels' own animals, built the same way into the worlds
# folder, where a world's hidden brain line finds them.
foreach(hidden hunter ladywalk)
  quorbit_brain_from_script(${CMAKE_SOURCE_DIR}/data/testbrain/scripts/${hidden}.txt
                            ${QUORBIT_DATA_DIR}/worlds/${hidden}.brx hiddenbrain)
endforeach()
add_custom_target(quorbit_testbrains ALL DEPENDS ${QUORBIT_TESTBRAINS})
if(TARGET quorbit_core_tests)
  add_dependencies(quorbit_core_tests quorbit_testbrains)
endif()
