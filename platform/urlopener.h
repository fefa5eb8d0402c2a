#pragma once

#include <QUrl>

// Hands a file or link to the desktop's default handler.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual bool open(const QUrl &url) = 0;
};
