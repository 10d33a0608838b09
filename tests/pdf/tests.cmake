# Every writer test also runs under pt_BR, whose decimal separator is a comma,
# and finds its expected files and fixtures beside its source.
file(GLOB pdf_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/pdf/test_*.cpp)
foreach(test ${pdf_tests})
  get_filename_component(name ${test} NAME_WE)
  target_compile_definitions(pdf_${name} PRIVATE
    QUENDARO_PDF_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/pdf")
  quendaro_also_under_ptbr(pdf_${name})
endforeach()
