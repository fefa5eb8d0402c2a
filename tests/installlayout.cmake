# Installs the build into a fresh folder and checks that exactly the staged layout lands there.
#   -DBUILD_DIR=... -DPREFIX=<scratch folder> -DEXPECTED=<relative paths, ;-separated>
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
list(SORT EXPECTED)
if(NOT installed STREQUAL EXPECTED)
    message(FATAL_ERROR "installed: ${installed}\nexpected: ${EXPECTED}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "staged: ${installed}")
