"""Runs Orca with its debug file written line by line, so that what it says can be read while it
runs (Orca otherwise buffers the file until it exits). Usage: orca.py FILE ORCA-ARGUMENTS..."""
import builtins
import runpy
import sys

target, sys.argv = sys.argv[1], ["orca"] + sys.argv[2:]
sys.path.pop(0)  # this folder: its files are not Orca's modules
plain_open = builtins.open


def line_buffered_open(file, mode="r", *args, **kwargs):
    if file == target and "w" in mode:
        return plain_open(file, mode, 1, *args[1:], **kwargs)
    return plain_open(file, mode, *args, **kwargs)


builtins.open = line_buffered_open
runpy.run_path("/usr/bin/orca", run_name="__main__")
