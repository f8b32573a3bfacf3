"""A seeded sample of the damaged files of damaged_files.py, loaded into the real tool by
damage_runner.py. The whole corpus runs with scripts/damaged-files.sh."""
import os
import shutil
import tempfile
import unittest

from damage_runner import run_cases
from damaged_files import make_corpus
from harness import ToolTestCase

SEED = 15
FILES = 40


class DamagedFilesTest(ToolTestCase):
    def setUp(self):
        super().setUp()
        self.work = tempfile.mkdtemp(prefix="orvane-damage-")

    def tearDown(self):
        super().tearDown()
        shutil.rmtree(self.work, ignore_errors=True)

    def test_the_tool_loads_damaged_files_repairs_them_and_writes_nowhere_else(self):
        cases = make_corpus(SEED, FILES, os.path.join(self.work, "corpus"))
        failed = run_cases(cases, os.path.join(self.work, "run"), report=lambda line: None)
        self.assertEqual({}, failed)


if __name__ == "__main__":
    unittest.main()
