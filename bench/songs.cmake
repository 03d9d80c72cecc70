# Import of generated search files into the real song table, and scrolling the song list.
add_executable(songs_bench ${CMAKE_CURRENT_LIST_DIR}/songs_bench.cpp)
target_link_libraries(songs_bench PRIVATE bench_support)
