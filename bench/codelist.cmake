# The code list export through the real main window, 300,000 songs; included from bench/CMakeLists.txt.
add_executable(codelist_bench ${CMAKE_CURRENT_LIST_DIR}/codelist_bench.cpp)
target_include_directories(codelist_bench PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(codelist_bench PRIVATE app benchmark::benchmark)
