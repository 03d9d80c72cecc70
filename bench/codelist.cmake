# The code list export through the real main window, 300,000 songs.
add_executable(codelist_bench ${CMAKE_CURRENT_LIST_DIR}/codelist_bench.cpp)
target_link_libraries(codelist_bench PRIVATE bench_support)
