#pragma once

#include "platform/platform.h"

#include <QStringList>
#include <QUrl>

class Environment;
class ErrorBox;
class InstanceLock;

// The front-end's start-up and teardown, with every outside dependency
// handed in, so that `main` only wires the production seams.
class InstallerApp final
{
public:
    struct Seams
    {
        Seams(const Platform &platform, InstanceLock &instanceLock, ErrorBox &errorBox, const QStringList &uiLanguages)
            : platform(platform), instanceLock(&instanceLock), errorBox(&errorBox), uiLanguages(uiLanguages)
        {
        }
        Platform platform;
        InstanceLock *instanceLock;
        // The second copy's box.
        ErrorBox *errorBox;
        // The user's interface languages, most preferred first.
        QStringList uiLanguages;
    };

    static const QUrl mainScene;

    // Runs the whole application and answers the process exit code. Qt is given `program` (the
    // executable's path) alone: the arguments come from the seams' argument source.
    static int run(const char *program, const Seams &seams);

    // The scene-graph backend the scene is drawn with; empty text leaves the choice to Qt, as
    // when the environment names one (never on Windows).
    static QString sceneGraphBackend(const Environment &environment);

private:
    static void showSecondCopyMessage(ErrorBox &box);
};
