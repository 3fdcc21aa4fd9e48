"""pw start-session / stop-session: the CTest fixtures of the end-to-end run."""

import argparse
import sys
import time

from .session import SKIP_EXIT_CODE, SessionSkipped, WineSession


def cli():
    parser = argparse.ArgumentParser(description="Wine sessions for the end-to-end tests")
    sub = parser.add_subparsers(dest="command", required=True)
    start = sub.add_parser("start-session")
    start.add_argument("--dir", required=True)
    start.add_argument("--app-dir", required=True,
                       help="build directory of the Paperwisp.exe under test (i686 or x86_64)")
    start.add_argument("--driver-dir",
                       help="directory of pwdriver.exe, the x86_64 build (default: --app-dir)")
    stop = sub.add_parser("stop-session")
    stop.add_argument("--dir", required=True)
    args = parser.parse_args()
    if args.command == "start-session":
        began = time.monotonic()
        try:
            session = WineSession.start(args.dir, args.app_dir, args.driver_dir)
        except SessionSkipped as reason:
            print(f"skipped: {reason}")
            sys.exit(SKIP_EXIT_CODE)
        print(f"session of the {session.build} build ready on display {session.display} in"
              f" {time.monotonic() - began:.1f} s; prefix {session.prefix}")
    else:
        WineSession.remove(args.dir)
        print("session stopped")


cli()
