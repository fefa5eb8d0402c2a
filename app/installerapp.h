#pragma once

#include "platform.h"

#include <QUrl>

class InstanceLock;

// The front-end's start-up and teardown, with every outside dependency
// handed in, so that `main` only wires the production seams.
class InstallerApp final
{
public:
    struct Seams
    {
        Platform platform;
        InstanceLock *instanceLock = nullptr;
    };

    static const QUrl mainScene;

    // Runs the whole application and answers the process exit code.
    static int run(int &argc, char **argv, const Seams &seams);

private:
    static void showSecondCopyMessage();
};
