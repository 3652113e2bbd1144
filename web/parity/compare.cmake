# Runs the parity program natively and under node and fails, showing the first differences, when
# their outputs differ. Called by CTest with -DNODE=, -DWASM= and -DNATIVE=.
get_filename_component(dir ${WASM} DIRECTORY)
execute_process(COMMAND ${NATIVE} OUTPUT_FILE ${dir}/parity-native.txt RESULT_VARIABLE native_rc)
execute_process(COMMAND ${NODE} ${WASM} OUTPUT_FILE ${dir}/parity-wasm.txt RESULT_VARIABLE wasm_rc)
if(NOT native_rc EQUAL 0 OR NOT wasm_rc EQUAL 0)
  message(FATAL_ERROR "parity programs failed: native ${native_rc}, wasm ${wasm_rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${dir}/parity-native.txt
                        ${dir}/parity-wasm.txt RESULT_VARIABLE differ)
if(differ)
  execute_process(COMMAND diff ${dir}/parity-native.txt ${dir}/parity-wasm.txt
                  OUTPUT_VARIABLE differences)
  string(SUBSTRING "${differences}" 0 4000 differences)
  message(FATAL_ERROR "native and wasm outputs differ:\n${differences}")
endif()
file(STRINGS ${dir}/parity-wasm.txt lines)
list(LENGTH lines count)
message(STATUS "native and wasm agree on ${count} lines")
