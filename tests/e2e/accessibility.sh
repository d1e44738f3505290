#!/usr/bin/env bash
# End to end through the accessibility tree: the frame, its document windows, dialogs and
# message boxes (accessibility.py, run by atspi-session.sh).
exec "$(dirname "$0")/atspi-session.sh" accessibility.py "$@"
