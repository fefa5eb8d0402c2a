#pragma once

#include <QString>

// The one message shown outside the scene (another copy runs): a modal box with an OK button.
class ErrorBox
{
public:
    virtual ~ErrorBox() = default;
    // Returns once the user has dismissed the box.
    virtual void show(const QString &title, const QString &text) = 0;
};
