# Every writer test also runs under pt_BR, whose decimal separator is a comma,
# and finds its expected files and fixtures beside its source.
file(GLOB pdf_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/pdf/test_*.cpp)
target_compile_definitions(pdf_tests PRIVATE
  QUENDARO_PDF_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/pdf")
foreach(test ${pdf_tests})
  get_filename_component(name ${test} NAME_WE)
  quendaro_also_under_ptbr(pdf ${name})
endforeach()
