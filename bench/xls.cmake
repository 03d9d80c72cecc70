# Speed of the .xls workbook writer; included from bench/CMakeLists.txt.
add_executable(xls_bench ${CMAKE_CURRENT_LIST_DIR}/xls_bench.cpp)
target_link_libraries(xls_bench PRIVATE xls benchmark::benchmark)
