# The JSON tests run again under pt_BR, where the decimal separator is a comma.
file(GLOB json_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/registers/test_json_*.cpp)
foreach(test ${json_tests})
  get_filename_component(name ${test} NAME_WE)
  quendaro_also_under_ptbr(registers_${name})
endforeach()
