#pragma once

#include <QLoggingCategory>

// The front-end's own debug lines, by subject. Debug lines are off by default; warnings meant for
// the package engineer (a switch the catalogue does not know) are on. To see the debug lines:
//     QT_LOGGING_RULES="installer.*.debug=true"
// or one subject alone, as "installer.process.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcCommandLine) // installer.commandline: how the arguments are taken
Q_DECLARE_LOGGING_CATEGORY(lcRegistry)    // installer.registry: the package's registry entries read
Q_DECLARE_LOGGING_CATEGORY(lcProcess)     // installer.process: the installer runs composed and started
Q_DECLARE_LOGGING_CATEGORY(lcScene)       // installer.scene: ticks and choices reported by the scene
