# Read by cpack (CPACK_PROJECT_CONFIG_FILE) before it installs into the
# package's folder. The installation runs in cpack's own process, so it sees
# this variable: InstallEnd.cmake writes no installation record into a
# package, whose files dpkg records and removes.
set(ENV{LARKSPAN_PACKAGE_GENERATOR} "${CPACK_GENERATOR}")
