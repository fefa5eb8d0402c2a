# Makes the Wine prefix named by WINEPREFIX once: a later run finds the stamp
# and reuses it. With -DSTOP=ON it ends the prefix's server instead.
#   -DWINE=... -DWINESERVER=... -DPREFIX=... -DSTAMP=...
if(STOP)
    if(WINESERVER)
        execute_process(COMMAND "${WINESERVER}" -k RESULT_VARIABLE ignored OUTPUT_QUIET ERROR_QUIET)
    endif()
    return()
endif()

if(EXISTS "${STAMP}" AND EXISTS "${PREFIX}/system.reg")
    message(STATUS "Wine prefix ready: ${PREFIX}")
    return()
endif()

# A prefix without the stamp may be half made: start afresh.
file(REMOVE_RECURSE "${PREFIX}")
file(REMOVE "${STAMP}")
string(TIMESTAMP started "%s")
execute_process(COMMAND "${WINE}" wineboot -i RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "wineboot -i failed: ${result}")
endif()
# Wait until the server has ended and written the registry to disk.
if(WINESERVER)
    execute_process(COMMAND "${WINESERVER}" -w)
endif()
if(NOT EXISTS "${PREFIX}/system.reg")
    message(FATAL_ERROR "wineboot -i made no registry in ${PREFIX}")
endif()
file(TOUCH "${STAMP}")
string(TIMESTAMP ended "%s")
math(EXPR seconds "${ended} - ${started}")
message(STATUS "Wine prefix made in ${seconds} s: ${PREFIX}")
