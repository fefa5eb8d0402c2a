#pragma once

#include "platform/urlopener.h"

// Files and web links opened by the desktop's shell, as the user; where there is no shell to
// ask, a file goes to Notepad from the system folder and a link is not opened.
class WinUrlOpener final : public UrlOpener
{
public:
    bool open(const QUrl &url) override;
};
