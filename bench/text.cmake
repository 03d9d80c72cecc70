# Folding song names and matching pinyin initials over a large song table.
add_executable(text_bench ${CMAKE_CURRENT_LIST_DIR}/text_bench.cpp)
target_link_libraries(text_bench PRIVATE bench_support text_core)
