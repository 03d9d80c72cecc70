# Import of generated search files into the real song table, scrolling the song list, and removal.
add_executable(songs_bench ${CMAKE_CURRENT_LIST_DIR}/songs_bench.cpp)
target_link_libraries(songs_bench PRIVATE bench_support)

# Taking songs out of a large table shown in the song list.
add_executable(removal_bench ${CMAKE_CURRENT_LIST_DIR}/removal_bench.cpp)
target_link_libraries(removal_bench PRIVATE bench_support)
