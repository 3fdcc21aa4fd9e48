"""unittest glue: one driver per test file, one fresh Paperwisp per test."""

import sys
import unittest

from .app import App
from .driver import Driver
from .session import SKIP_EXIT_CODE, SessionSkipped, WineSession, session_from_environment
from .util import wait_until
from .xserver import XServer


class TestCase(unittest.TestCase):
    """One driver for every test of a file; one fresh Paperwisp per test."""

    session = None
    driver = None
    x = None

    @classmethod
    def setUpClass(cls):
        cls.session = WineSession.load()
        cls.driver = Driver(cls.session)
        cls.x = XServer(cls.session)

    @classmethod
    def tearDownClass(cls):
        if cls.x:
            cls.x.close()
        if cls.driver:
            cls.driver.close()

    def start_app(self):
        app = App(self.driver, self.x)
        self.addCleanup(app.stop)
        return app

    def wait_browsed(self, count, timeout=10.0, interval=0.05):
        """The browser log once it holds `count` addresses."""
        return wait_until(lambda: (lambda b: b if len(b) >= count else None)(
            self.session.browsed()), timeout, interval, message=f"{count} browser launch(es)")


def main(dpi=None):
    """Runs the calling test file in the session of the environment (or a
    private one, which a `dpi` always asks for); exits non-zero if a test
    failed, with SKIP_EXIT_CODE if the session's build cannot run here."""
    try:
        with session_from_environment(dpi) as session:
            print(f"the {session.build} build: {session.paperwisp_exe}", file=sys.stderr)
            program = unittest.main(exit=False, verbosity=2)
    except SessionSkipped as reason:
        print(f"skipped: {reason}")
        sys.exit(SKIP_EXIT_CODE)
    sys.exit(0 if program.result.wasSuccessful() else 1)
