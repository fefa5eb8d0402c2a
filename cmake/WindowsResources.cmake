# The executable's version resource and manifest, generated from project(VERSION ...), or from
# the cache variable ZYM_VERSION where the package's build gives one, so the version is written
# in one place. They are generated on every platform: the Linux build
# compiles them with MinGW's windres in its checks (tests/wine).
#   ZYM_RESOURCE_SCRIPT, ZYM_MANIFEST   the generated files
#   ZYM_VERSION_QUAD, ZYM_COPYRIGHT     what they carry

# The package's build stamps its own version without editing a file: -DZYM_VERSION=21.10.0.1.
set(ZYM_VERSION "${PROJECT_VERSION}" CACHE STRING "Version stamped into the executable: one to four numbers")
if(NOT ZYM_VERSION MATCHES "^[0-9]+([.][0-9]+)?([.][0-9]+)?([.][0-9]+)?$")
    message(FATAL_ERROR "ZYM_VERSION \"${ZYM_VERSION}\" is not one to four numbers joined by dots")
endif()
string(REPLACE "." ";" ZYM_VERSION_GIVEN "${ZYM_VERSION}")
foreach(index RANGE 3)
    set(value 0)
    list(LENGTH ZYM_VERSION_GIVEN given)
    if(index LESS given)
        list(GET ZYM_VERSION_GIVEN ${index} value)
    endif()
    # Each part of a Windows version is a 16-bit number.
    if(value GREATER 65535)
        message(FATAL_ERROR "version part ${value} of ${ZYM_VERSION} does not fit a Windows version")
    endif()
    list(APPEND ZYM_VERSION_PARTS ${value})
endforeach()
list(JOIN ZYM_VERSION_PARTS "." ZYM_VERSION_QUAD)
list(JOIN ZYM_VERSION_PARTS "," ZYM_VERSION_COMMAS)

# The year of the build (or of SOURCE_DATE_EPOCH, for reproducible builds).
string(TIMESTAMP ZYM_COPYRIGHT_YEAR "%Y" UTC)
set(ZYM_COPYRIGHT "Copyright (C) ${ZYM_COPYRIGHT_YEAR} ZYM")

# Absolute paths, so the script compiles from wherever the resource compiler runs.
set(ZYM_ICON_FILE "${PROJECT_SOURCE_DIR}/img/ZYMlogo.ico")
set(ZYM_MANIFEST "${PROJECT_BINARY_DIR}/app/installer.manifest")
set(ZYM_RESOURCE_SCRIPT "${PROJECT_BINARY_DIR}/app/installer.rc")
configure_file(app/installer.manifest.in "${ZYM_MANIFEST}" @ONLY)
configure_file(app/installer.rc.in "${ZYM_RESOURCE_SCRIPT}" @ONLY)
# The script embeds these; a changed icon or manifest must rebuild it.
set_property(SOURCE "${ZYM_RESOURCE_SCRIPT}" APPEND PROPERTY OBJECT_DEPENDS "${ZYM_ICON_FILE}" "${ZYM_MANIFEST}")

if(WIN32)
    target_sources(ChipsetDriverInstaller PRIVATE "${ZYM_RESOURCE_SCRIPT}" "${ZYM_MANIFEST}")
    set_target_properties(ChipsetDriverInstaller PROPERTIES WIN32_EXECUTABLE ON)
    if(MSVC)
        # The manifest asks for administrator rights; the linker must not add its own request.
        target_link_options(ChipsetDriverInstaller PRIVATE /MANIFESTUAC:NO)
    endif()
endif()
