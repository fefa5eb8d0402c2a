# Sources of the core library, listed per folder. The seam implementations are
# chosen by platform: Windows gets the real system, everything else the
# simulated one; app/productionplatform.cpp picks among what is compiled here.
set(APP_CORE_SOURCES
    app/accessiblecontrol.cpp
    app/extractorcleanup.cpp
    app/iconeffectprovider.cpp
    app/icoiconengine.cpp
    app/installerapp.cpp
    app/installerbackends.cpp
    app/productionplatform.cpp
    app/runlog.cpp
    app/uilanguage.cpp
)

set(BACKEND_SOURCES
    backend/commandline.cpp
    backend/customsettings.cpp
    backend/driverinfo.cpp
    backend/packageregistry.cpp
    backend/processstart.cpp
    backend/installcommand.cpp
    backend/installoutcome.cpp
    backend/logging.cpp
    backend/drivercatalogue.cpp
    backend/raidlaunchtable.cpp
    backend/runcontroller.cpp
)

# Qt's portable implementations, used on every system.
set(PLATFORM_QT_SOURCES
    platform/qt/qprocessrunner.cpp
    platform/qt/qprocesslauncher.cpp
    platform/qt/processenvironment.cpp
    platform/qt/qtsysteminfo.cpp
    platform/qt/desktopurlopener.cpp
    platform/qt/applicationarguments.cpp
    platform/qt/quickerrorbox.cpp
)

# The real Windows: the Win32 calls, free of Qt, in win32/ (also cross-compiled
# alone for the tests under Wine), and beside them the adapters that give them Qt types.
set(PLATFORM_WIN32_SOURCES
    platform/windows/win32/win32commandline.cpp
    platform/windows/win32/win32errorbox.cpp
    platform/windows/win32/win32inheritedhandles.cpp
    platform/windows/win32/win32loadpolicy.cpp
    platform/windows/win32/win32mutex.cpp
    platform/windows/win32/win32programtrust.cpp
    platform/windows/win32/win32registry.cpp
    platform/windows/win32/win32shellopener.cpp
    platform/windows/win32/win32shutdown.cpp
    platform/windows/win32/win32systemfolder.cpp
)
# What they link besides the C runtime.
set(PLATFORM_WIN32_LIBRARIES advapi32 user32 shell32 ole32 oleaut32 uuid)
set(PLATFORM_WINDOWS_SOURCES
    ${PLATFORM_WIN32_SOURCES}
    platform/windows/winerrorbox.cpp
    platform/windows/winprogramresolver.cpp
    platform/windows/winprogramtrust.cpp
    platform/windows/winregistry.cpp
    platform/windows/winurlopener.cpp
)

# The registry file format, read and written; also built into the regfile tool.
set(REGFILE_FORMAT_SOURCES
    platform/simulated/regfileparser.cpp
    platform/simulated/regfilewriter.cpp
    platform/simulated/regkeynode.cpp
)

# Windows simulated on another system: a registry file, a folder for drive C:.
set(PLATFORM_SIMULATED_SOURCES
    ${REGFILE_FORMAT_SOURCES}
    platform/simulated/regfileregistry.cpp
    platform/simulated/simulateddrive.cpp
    platform/simulated/simulatedprocesslauncher.cpp
    platform/simulated/simulatedprocessrunner.cpp
    platform/simulated/simulatedprogramtrust.cpp
    platform/simulated/simulatedshutdown.cpp
    platform/simulated/lockfileinstancelock.cpp
)

set(CORE_SOURCES ${APP_CORE_SOURCES} ${BACKEND_SOURCES} ${PLATFORM_QT_SOURCES})
if(WIN32)
    list(APPEND CORE_SOURCES ${PLATFORM_WINDOWS_SOURCES})
else()
    list(APPEND CORE_SOURCES ${PLATFORM_SIMULATED_SOURCES})
endif()
