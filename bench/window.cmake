# The main window's drawing cost. bench/measure_all.sh measures the rest
# (CPU while a game waits, start-up, memory) on a virtual X screen.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
add_executable(bench_window bench_window.cpp)
target_link_libraries(bench_window PRIVATE fallox_app Qt6::Test benchmark::benchmark)
