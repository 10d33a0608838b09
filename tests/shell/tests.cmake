# Stops and starts the test server: nothing else may run meanwhile.
set_tests_properties(shell_test_server_restart PROPERTIES RUN_SERIAL TRUE)
