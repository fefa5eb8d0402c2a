#pragma once

#include "backend/commandline.h"
#include "backend/runcontroller.h"
#include "platform/platform.h"

#include <memory>

class CustomSettings;
class DriverInfo;
class QQmlContext;

// The two published objects and what they share for one run, made as start-up makes them: the
// command line taken apart once and noted in the log, and the one owner of the installer run.
class InstallerBackends final
{
public:
    // Makes both objects, then enables the shutdown privilege.
    explicit InstallerBackends(const Platform &platform);
    ~InstallerBackends();
    Q_DISABLE_COPY_MOVE(InstallerBackends)

    CustomSettings *settings() const { return m_settings.get(); }
    DriverInfo *driverInfo() const { return m_driverInfo.get(); }

    // Publishes both objects to the scene, then reads the products installed below the maker's key.
    void publish(QQmlContext *context);

private:
    Platform m_platform;
    const CommandLine m_commandLine;
    RunController m_run;
    std::unique_ptr<CustomSettings> m_settings;
    std::unique_ptr<DriverInfo> m_driverInfo;
};
