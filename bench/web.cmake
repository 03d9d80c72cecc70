# The main window's answer to a click while the start-up web steps wait for a slow site.
add_executable(web_bench ${CMAKE_CURRENT_LIST_DIR}/web_bench.cpp)
target_link_libraries(web_bench PRIVATE bench_support)
