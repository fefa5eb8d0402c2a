# The manifest as generated from the project version (which xmllint must parse): it carries the
# version and asks for administrator rights without UI access. The Windows build compiles it in.
#   -DXMLLINT=... -DMANIFEST=... -DVERSION=<a.b.c.d>
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
