# The detail workbook export through the real main window, progress window included.
add_executable(workbook_bench ${CMAKE_CURRENT_LIST_DIR}/workbook_bench.cpp)
target_link_libraries(workbook_bench PRIVATE bench_support)
target_compile_definitions(workbook_bench PRIVATE
  KORVIA_XLSXWRITER_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/xlsxwriter_cells.py"
  KORVIA_XLWT_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/xlwt_cells.py")
