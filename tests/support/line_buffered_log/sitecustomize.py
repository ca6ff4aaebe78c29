# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# Put on PYTHONPATH for Orca in orca_test.sh: Orca writes its debug file
# through a block buffer, so what it has spoken reaches the file in 8 KiB
# lumps, if at all before it exits. Opened line-buffered instead, each spoken
# line is there as soon as it is said. Only the file named by WEIR_ORCA_LOG is
# affected.
import builtins
import os

_open = builtins.open
_log = os.environ.get("WEIR_ORCA_LOG")


def _open_log_line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if _log and file == _log and "w" in mode and buffering == -1:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)


builtins.open = _open_log_line_buffered
