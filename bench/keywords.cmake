# Loading a large keyword library into the list, and searching many keywords over many songs.
add_executable(keywords_bench ${CMAKE_CURRENT_LIST_DIR}/keywords_bench.cpp)
target_link_libraries(keywords_bench PRIVATE bench_support)
