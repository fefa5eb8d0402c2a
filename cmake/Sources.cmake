# Sources of the core library. Seam implementations are chosen by platform:
# Windows gets the real system, everything else the simulated one.
set(CORE_SOURCES
    app/extractorcleanup.cpp
    app/iconeffectprovider.cpp
    app/icoiconengine.cpp
    app/installerapp.cpp
    app/productionplatform.cpp
    backend/customsettings.cpp
    backend/driverinfo.cpp
    backend/packageregistry.cpp
    backend/processstart.cpp
    backend/installcommand.cpp
    backend/installoutcome.cpp
    backend/drivercatalogue.cpp
    backend/raidlaunchtable.cpp
    platform/qprocessrunner.cpp
    platform/qprocesslauncher.cpp
    platform/processenvironment.cpp
    platform/qtsysteminfo.cpp
    platform/desktopurlopener.cpp
    platform/applicationarguments.cpp
)

if(WIN32)
    file(GLOB WINDOWS_SEAM_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../platform/windows/*.cpp)
    list(APPEND CORE_SOURCES ${WINDOWS_SEAM_SOURCES})
else()
    list(APPEND CORE_SOURCES
        platform/regfileparser.cpp
        platform/regfileregistry.cpp
        platform/regkeynode.cpp
        platform/simulateddrive.cpp
        platform/simulatedprocesslauncher.cpp
        platform/simulatedprocessrunner.cpp
        platform/simulatedshutdown.cpp
        platform/lockfileinstancelock.cpp
    )
endif()
