#pragma once

// What assistive technology is told about the scene's items: what Qt Quick tells, and also that an
// item is disabled while it is (with an event when that changes), hidden while it or a part that
// holds it is faded out entirely, and off screen while a part that clips it shows none of it. Each
// action is offered once. A read-only text that scrolls (a Flickable whose accessible role is
// editable text) reads as the texts it scrolls, a line at a time: its caret is the first line
// shown, and moves, with an event, as it scrolls; its `textLanguage` property names its language.
// A screen reader must not offer what the eye cannot see or the user cannot use.
class AccessibleControl final
{
public:
    AccessibleControl() = delete;

    // Describes every accessible scene item of this process so.
    static void install();
};
