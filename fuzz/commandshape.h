#pragma once

#include <QString>
#include <QStringList>

// The only shapes an install or removal argument list may take, whatever the
// command line and the registry held: no outside text may add a program
// argument or an installer property. Each check answers what is wrong, or an
// empty text when the list is well formed.
class CommandShape final
{
public:
    // "/S", "/vQTLAUNCH=1 [NAME=YES ...] [ADDLOCAL=k1,k2,...] /qr", "/clone_wait",
    // where every NAME and key comes from a ticked switch.
    static QString installFault(const QStringList &arguments, const QStringList &tickedSwitches);

    // "/x", code, "REMOVE=ALL", "/qn" or "/i", code, ["REMOVE=k1,k2,..."], "/qn",
    // where every key is a ticked feature.
    static QString removalFault(const QStringList &arguments, const QString &productCode,
                                const QStringList &tickedFeatures);

    // Letters, digits, underscores and periods, at least one.
    static bool isName(const QString &text);
};
