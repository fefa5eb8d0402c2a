#pragma once

// What assistive technology is told about the scene's items: what Qt Quick tells, and also that an
// item is disabled while it is, and hidden while it or a part that holds it is faded out entirely.
// A screen reader must not offer what the eye cannot see or the user cannot use.
class AccessibleControl final
{
public:
    AccessibleControl() = delete;

    // Describes every accessible scene item of this process so.
    static void install();
};
