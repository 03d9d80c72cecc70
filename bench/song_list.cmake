# Finding exported songs, undoing a removal and a find step on a large song list.
add_executable(song_list_bench ${CMAKE_CURRENT_LIST_DIR}/song_list_bench.cpp)
target_link_libraries(song_list_bench PRIVATE bench_support)
