# The Windows build description: the manifest is well-formed and asks for
# administrator rights without UI access, and the resource script compiles.
#   -DXMLLINT=... -DWINDRES=... -DSOURCE_DIR=<project root> -DOUTPUT=<object file>
#   -DSTAND_IN_DIR=<folder for a stand-in icon>
set(manifest "${SOURCE_DIR}/app/installer.manifest")
execute_process(COMMAND "${XMLLINT}" --noout "${manifest}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "installer.manifest is not well-formed")
endif()

foreach(check "level=requireAdministrator" "uiAccess=false")
    string(REPLACE "=" ";" parts "${check}")
    list(GET parts 0 attribute)
    list(GET parts 1 expected)
    execute_process(
        COMMAND "${XMLLINT}" --xpath "string(//*[local-name()='requestedExecutionLevel']/@${attribute})" "${manifest}"
        OUTPUT_VARIABLE actual OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
    if(NOT result EQUAL 0 OR NOT actual STREQUAL expected)
        message(FATAL_ERROR "requestedExecutionLevel ${attribute} is \"${actual}\", expected \"${expected}\"")
    endif()
endforeach()

# The script names ../img/ZYMlogo.ico beside app/. Should the icon not be
# there yet, a 1x1 stand-in is found through an include folder instead.
set(includes)
if(NOT EXISTS "${SOURCE_DIR}/img/ZYMlogo.ico")
    file(MAKE_DIRECTORY "${STAND_IN_DIR}/app" "${STAND_IN_DIR}/img")
    set(icon "000001000100" "0101000001002000" "30000000" "16000000"
        "28000000" "01000000" "02000000" "0100" "2000" "00000000" "08000000"
        "00000000" "00000000" "00000000" "00000000"
        "0000ffff" "00000000")
    string(JOIN "" icon ${icon})
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" format "${icon}")
    execute_process(COMMAND printf "${format}" OUTPUT_FILE "${STAND_IN_DIR}/img/ZYMlogo.ico" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "could not write the stand-in icon")
    endif()
    set(includes "-I${STAND_IN_DIR}/app")
    message(STATUS "img/ZYMlogo.ico is missing: compiling with a stand-in icon")
endif()

execute_process(COMMAND "${WINDRES}" ${includes} -O coff "${SOURCE_DIR}/app/installer.rc" -o "${OUTPUT}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "installer.rc does not compile")
endif()
message(STATUS "installer.manifest and installer.rc are fine")
