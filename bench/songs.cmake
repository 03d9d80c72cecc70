# Import of generated search files into the real song table, and scrolling the song list.
add_executable(songs_bench ${CMAKE_CURRENT_LIST_DIR}/songs_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/SearchFileGenerator.cpp)
target_include_directories(songs_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(songs_bench PRIVATE songs benchmark::benchmark)
