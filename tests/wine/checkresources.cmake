# The Windows build description as generated from the project version: the manifest is
# well-formed, carries the version and asks for administrator rights without UI access, and
# the resource script compiles.
#   -DXMLLINT=... -DWINDRES=... -DMANIFEST=... -DRESOURCE_SCRIPT=... -DVERSION=<a.b.c.d>
#   -DOUTPUT=<object file>
execute_process(COMMAND "${XMLLINT}" --noout "${MANIFEST}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${MANIFEST} is not well-formed")
endif()

foreach(check "requestedExecutionLevel@level=requireAdministrator" "requestedExecutionLevel@uiAccess=false"
              "assemblyIdentity@version=${VERSION}")
    string(REGEX MATCH "^([^@]+)@([^=]+)=(.*)$" ignored "${check}")
    set(element "${CMAKE_MATCH_1}")
    set(attribute "${CMAKE_MATCH_2}")
    set(expected "${CMAKE_MATCH_3}")
    execute_process(
        COMMAND "${XMLLINT}" --xpath "string(//*[local-name()='${element}']/@${attribute})" "${MANIFEST}"
        OUTPUT_VARIABLE actual OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
    if(NOT result EQUAL 0 OR NOT actual STREQUAL expected)
        message(FATAL_ERROR "${element} ${attribute} is \"${actual}\", expected \"${expected}\"")
    endif()
endforeach()

execute_process(COMMAND "${WINDRES}" -O coff "${RESOURCE_SCRIPT}" -o "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${RESOURCE_SCRIPT} does not compile")
endif()
message(STATUS "the manifest and the resource script are fine")
