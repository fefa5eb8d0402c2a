"""The front-end on the AT-SPI bus as a screen reader meets it (tests/screenreader.sh): listen to its events,
list its faults (a shown control without a name, an action offered twice), press the focused control."""
import sys

import pyatspi


def ours(accessible):
    return accessible.getApplication().name == "ChipsetDriverInstaller"


def said(accessible):
    words = [accessible.getRoleName(), accessible.name, accessible.description]
    try:
        text = accessible.queryText()
        line = text.getTextAtOffset(text.caretOffset, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
        words += [text.getAttributes(text.caretOffset)[0], "line=" + line.strip()]
    except NotImplementedError:
        pass
    return " | ".join(word.replace("\n", " ") for word in words)


def heard(event):
    try:
        if ours(event.source):
            print("%s %s | %s" % (event.type, event.detail1, said(event.source)), flush=True)
    except Exception:  # the front-end has gone meanwhile
        pass


def everything(accessible):
    yield accessible
    for child in accessible:
        yield from everything(child)


def actions(accessible):
    try:
        return [accessible.queryAction().getName(i) for i in range(accessible.queryAction().nActions)]
    except NotImplementedError:
        return []


if sys.argv[1] == "listen":
    for kind in ("focus:", "object:state-changed", "object:property-change", "object:text-caret-moved"):
        pyatspi.Registry.registerEventListener(heard, kind)
    print("listening", flush=True)
    pyatspi.Registry.start()
    sys.exit()
shown = [item for app in pyatspi.Registry.getDesktop(0) if app and ours(app) for item in everything(app)]
if sys.argv[1] == "press":
    next(item for item in shown if item.getState().contains(pyatspi.STATE_FOCUSED)).queryAction().doAction(0)
    sys.exit()
faults = ["no name: " + said(item) for item in shown if not item.name and item.getState().contains(pyatspi.STATE_FOCUSABLE)
          and item.getState().contains(pyatspi.STATE_SHOWING)]
faults += ["an action twice: %s %s" % (said(item), actions(item)) for item in shown if len(set(actions(item))) < len(actions(item))]
print("\n".join(faults) if shown else "the front-end is not on the bus")
sys.exit(1 if faults or not shown else 0)
