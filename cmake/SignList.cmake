# Which files of a staged Bin folder are signed, and signtool's arguments for them, one argument a
# line: scripts/windows-package.ps1 runs signtool with them as they are written, and the Windows
# stage compares the list with the staged tree, so the choice is made here alone.
#   cmake -DBIN=<Bin> -DTIMESTAMP_URL=<url> -DCERTIFICATE=<SHA-1 thumbprint or subject name>
#         [-DMACHINE_STORE=ON] [-DDESCRIPTION=<text>] -DOUT=<folder> -P cmake/SignList.cmake
# Writes OUT/sign.txt (signtool sign ...) and OUT/verify.txt (signtool verify /pa ...).
cmake_minimum_required(VERSION 3.16)
foreach(required BIN TIMESTAMP_URL CERTIFICATE OUT)
    if(NOT DEFINED ${required} OR "${${required}}" STREQUAL "")
        message(FATAL_ERROR "SignList: -D${required}=... is missing")
    endif()
endforeach()
# Paths as PowerShell gives them, with backslashes, which a glob would take for escapes.
file(TO_CMAKE_PATH "${BIN}" BIN)
file(TO_CMAKE_PATH "${OUT}" OUT)
if(NOT DESCRIPTION)
    set(DESCRIPTION "ZYM Chipset Driver Installer")
endif()

# Signed: the programs and libraries (Portable Executable files), told by their name as Windows
# tells them. Scene files, translations, qmldir and texts carry no signature.
file(GLOB_RECURSE files LIST_DIRECTORIES false "${BIN}/*")
list(SORT files)
set(binaries "")
foreach(file IN LISTS files)
    get_filename_component(extension "${file}" LAST_EXT)
    string(TOLOWER "${extension}" extension)
    if(NOT extension MATCHES "^[.](exe|dll)$")
        continue()
    endif()
    file(READ "${file}" magic LIMIT 2 HEX)
    if(NOT magic STREQUAL "4d5a")
        message(FATAL_ERROR "SignList: ${file} is named as a program but is none: signtool would refuse it")
    endif()
    file(TO_NATIVE_PATH "${file}" native)
    list(APPEND binaries "${native}")
endforeach()
if(NOT binaries)
    message(FATAL_ERROR "SignList: nothing to sign in ${BIN}")
endif()

# /d names the program in the administrator prompt; /tr and /td time-stamp the signature, so it
# stays valid after the certificate expires.
set(sign sign /fd SHA256 /tr "${TIMESTAMP_URL}" /td SHA256 /d "${DESCRIPTION}")
string(LENGTH "${CERTIFICATE}" length)
if(CERTIFICATE MATCHES "^[0-9A-Fa-f]+$" AND length EQUAL 40)
    list(APPEND sign /sha1 "${CERTIFICATE}")
else()
    list(APPEND sign /n "${CERTIFICATE}")
endif()
if(MACHINE_STORE)
    list(APPEND sign /sm)
endif()

string(REPLACE ";" "\n" sign_lines "${sign};${binaries}")
string(REPLACE ";" "\n" verify_lines "verify;/pa;${binaries}")
file(WRITE "${OUT}/sign.txt" "${sign_lines}\n")
file(WRITE "${OUT}/verify.txt" "${verify_lines}\n")
list(LENGTH binaries count)
message(STATUS "SignList: ${count} files to sign in ${BIN}")
