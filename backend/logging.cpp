#include "backend/logging.h"

Q_LOGGING_CATEGORY(lcCommandLine, "installer.commandline", QtInfoMsg)
Q_LOGGING_CATEGORY(lcRegistry, "installer.registry", QtInfoMsg)
Q_LOGGING_CATEGORY(lcProcess, "installer.process", QtInfoMsg)
Q_LOGGING_CATEGORY(lcScene, "installer.scene", QtInfoMsg)
