#pragma once

#include "platform/platform.h"

#include <QStringList>
#include <QUrl>

class Environment;
class InstanceLock;

// The front-end's start-up and teardown, with every outside dependency
// handed in, so that `main` only wires the production seams.
class InstallerApp final
{
public:
    struct Seams
    {
        Seams(const Platform &platform, InstanceLock &instanceLock, const QStringList &uiLanguages)
            : platform(platform), instanceLock(&instanceLock), uiLanguages(uiLanguages)
        {
        }
        Platform platform;
        InstanceLock *instanceLock;
        // The user's interface languages, most preferred first.
        QStringList uiLanguages;
    };

    static const QUrl mainScene;

    // Runs the whole application and answers the process exit code.
    static int run(int &argc, char **argv, const Seams &seams);

    // The scene-graph backend the scene is drawn with; empty text leaves the choice to Qt, as
    // when the environment names one.
    static QString sceneGraphBackend(const Environment &environment);

private:
    static void showSecondCopyMessage();
};
