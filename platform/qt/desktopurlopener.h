#pragma once

#include "platform/urlopener.h"

// Opens files and links with the desktop's default handler.
class DesktopUrlOpener final : public UrlOpener
{
public:
    bool open(const QUrl &url) override;
};
