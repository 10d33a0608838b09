# The JSON tests run again under pt_BR, where the decimal separator is a comma.
file(GLOB json_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/json/test_*.cpp)
foreach(test ${json_tests})
  get_filename_component(name ${test} NAME_WE)
  quendaro_also_under_ptbr(json ${name})
endforeach()
