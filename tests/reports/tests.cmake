# The report tests share the writer tests' checkers, and those that format
# numbers or write files run again under pt_BR, whose decimal separator is a comma.
file(GLOB report_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/reports/test_*.cpp)
target_compile_definitions(reports_tests PRIVATE
  QUENDARO_PDF_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/pdf")
foreach(test ${report_tests})
  get_filename_component(name ${test} NAME_WE)
  quendaro_also_under_ptbr(reports ${name})
endforeach()
