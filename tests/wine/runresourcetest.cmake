# Links the resource check with the compiled resource script and runs it.
#   -DMINGW_CXX=... -DWINE=... -DBIN=<folder of the objects>
#   -DVERSION=<a.b.c.d> -DCOPYRIGHT=<text>: what the resources must carry
execute_process(
    COMMAND "${MINGW_CXX}" -municode -static -o "${BIN}/resourcetest.exe"
        "${BIN}/resourcetest.o" "${BIN}/testreport.o" "${BIN}/installer_res.o" -lversion
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "resourcetest.exe does not link")
endif()
execute_process(COMMAND "${WINE}" "${BIN}/resourcetest.exe" "${VERSION}" "${COPYRIGHT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "resourcetest.exe failed: ${result}")
endif()
