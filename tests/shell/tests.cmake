# Stops and starts the test server: nothing else may run meanwhile.
set_tests_properties(shell_test_server_restart PROPERTIES RUN_SERIAL TRUE)

# Runs the tool that writes the settings file.
add_dependencies(shell_tests quendaro-ini)
target_compile_definitions(shell_tests PRIVATE QUENDARO_INI="$<TARGET_FILE:quendaro-ini>")
