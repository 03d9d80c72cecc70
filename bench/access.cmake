# Reading the largest Access fixture (20,000 keywords) with the built-in reader.
add_executable(access_bench ${CMAKE_CURRENT_LIST_DIR}/access_bench.cpp)
target_compile_definitions(access_bench PRIVATE KORVIA_ACCESS_FIXTURES="${PROJECT_SOURCE_DIR}/tests/data/access")
target_link_libraries(access_bench PRIVATE bench_support keywords_file)
