// Whatever the task listing holds, only positive decimal numbers may come out
// of it, since each one goes to taskkill as a process identifier.
//
// Input: the listing's bytes, as TASKLIST /FO LIST would print them.

#include "app/extractorcleanup.h"
#include "fuzzsupport.h"

#include <QString>

namespace {

[[noreturn]] void fail(const char *what, const QString &identifier)
{
    FuzzSupport::fail(QStringLiteral("%1: \"%2\"").arg(QLatin1String(what), identifier));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::quietMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray listing(reinterpret_cast<const char *>(data), int(size));
    for (const QString &identifier : ExtractorCleanup::parseIdentifiers(listing)) {
        if (identifier.isEmpty())
            fail("empty identifier", identifier);
        bool nonZero = false;
        for (const QChar c : identifier) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                fail("identifier not digits only", identifier);
            nonZero = nonZero || c != QLatin1Char('0');
        }
        if (!nonZero)
            fail("identifier not positive", identifier);
    }
    return 0;
}
