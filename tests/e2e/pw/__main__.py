"""pw start-session / stop-session: the CTest fixtures of the end-to-end run."""

import argparse
import os
import time

from .session import SESSION_FILE, WineSession


def cli():
    parser = argparse.ArgumentParser(description="Wine sessions for the end-to-end tests")
    sub = parser.add_subparsers(dest="command", required=True)
    start = sub.add_parser("start-session")
    start.add_argument("--dir", required=True)
    start.add_argument("--app-dir", required=True,
                       help="directory of Paperwisp.exe and pwdriver.exe (x86_64)")
    stop = sub.add_parser("stop-session")
    stop.add_argument("--dir", required=True)
    args = parser.parse_args()
    if args.command == "start-session":
        began = time.monotonic()
        session = WineSession.start(args.dir, args.app_dir)
        print(f"session ready on display {session.display} in {time.monotonic() - began:.1f} s;"
              f" prefix {session.prefix}")
    else:
        if os.path.exists(os.path.join(args.dir, SESSION_FILE)):
            WineSession.load(args.dir).stop()
        print("session stopped")


cli()
