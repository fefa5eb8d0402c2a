# The Windows build description as generated from the project version: the manifest (which
# xmllint must parse) carries the version and asks for administrator rights without UI access,
# and the resource script compiles.
#   -DXMLLINT=... -DWINDRES=... -DMANIFEST=... -DRESOURCE_SCRIPT=... -DVERSION=<a.b.c.d>
#   -DOUTPUT=<object file>
foreach(check "requestedExecutionLevel@level=requireAdministrator" "requestedExecutionLevel@uiAccess=false"
              "assemblyIdentity@version=${VERSION}")
    string(REGEX MATCH "^([^@]+)@([^=]+)=(.*)$" ignored "${check}")
    execute_process(
        COMMAND "${XMLLINT}" --xpath "string(//*[local-name()='${CMAKE_MATCH_1}']/@${CMAKE_MATCH_2})" "${MANIFEST}"
        OUTPUT_VARIABLE actual OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
    if(NOT result EQUAL 0 OR NOT actual STREQUAL CMAKE_MATCH_3)
        message(FATAL_ERROR "${check}: the manifest says \"${actual}\"")
    endif()
endforeach()

execute_process(COMMAND "${WINDRES}" -O coff "${RESOURCE_SCRIPT}" -o "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${RESOURCE_SCRIPT} does not compile")
endif()
