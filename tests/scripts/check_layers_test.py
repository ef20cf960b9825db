"""The folder-stack check catches what it exists for, on planted trees."""
import importlib.util
import sys
import tempfile
import unittest
from pathlib import Path

SCRIPT = Path(__file__).resolve().parents[2] / "scripts" / "check-layers.py"
loader_spec = importlib.util.spec_from_file_location("check_layers", SCRIPT)
check_layers = importlib.util.module_from_spec(loader_spec)
loader_spec.loader.exec_module(check_layers)

STACK = ["files", "league", "views", "app"]


class PlantedTree(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.root = Path(self.dir.name)
        self.plant("files/Failure.h", "")
        self.plant("league/Model.h", '#include "files/Failure.h"\n')
        self.plant("views/ui/Grid.cpp", '#include "league/Model.h"\n')
        self.plant("app/ui/Main.cpp", '#include "views/ui/Grid.cpp"\n')

    def tearDown(self):
        self.dir.cleanup()

    def plant(self, name, text):
        path = self.root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text)

    def problems(self):
        return check_layers.check(self.root, STACK)

    def test_downward_includes_pass(self):
        self.assertEqual(self.problems(), [])

    def test_upward_include_fails(self):
        self.plant("league/Rules.cpp", '#include "league/Model.h"\n#include "app/ui/Main.cpp"\n')
        self.assertEqual(self.problems(),
                         ["league/Rules.cpp: includes app/ui/Main.cpp, a folder above league/"])

    def test_core_file_including_its_own_windows_fails(self):
        self.plant("views/Text.cpp", '#include "views/ui/Grid.cpp"\n')
        self.assertEqual(len(self.problems()), 1)

    def test_cycle_between_files_of_one_folder_fails(self):
        self.plant("league/A.h", '#include "league/B.h"\n')
        self.plant("league/B.h", '#include "league/A.h"\n')
        found = self.problems()
        self.assertEqual(len(found), 1)
        self.assertTrue(found[0].startswith("include cycle: league/A.h -> league/B.h"))

    def test_units_depending_on_each_other_fail(self):
        # No file includes itself back: the source of each unit includes the other's header.
        self.plant("views/ui/Windows.h", "")
        self.plant("views/ui/Windows.cpp", '#include "views/ui/Windows.h"\n#include "views/ui/Form.h"\n')
        self.plant("views/ui/Form.h", "")
        self.plant("views/ui/Form.cpp", '#include "views/ui/Form.h"\n#include "views/ui/Windows.h"\n')
        self.assertEqual(self.problems(),
                         ["unit include cycle: views/ui/Form -> views/ui/Windows -> views/ui/Form"])
        self.plant("views/ui/Form.cpp", '#include "views/ui/Form.h"\n')
        self.assertEqual(self.problems(), [])

    def test_command_line_exit_codes(self):
        self.assertEqual(check_layers.main(["check", str(self.root)] + STACK), 0)
        self.plant("files/Up.h", '#include "league/Model.h"\n')
        self.assertEqual(check_layers.main(["check", str(self.root)] + STACK), 1)


if __name__ == "__main__":
    sys.exit(unittest.main())
