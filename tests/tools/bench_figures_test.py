#!/usr/bin/env python3
"""tools/bench-figures: the README table made from a saved run, worked out by hand."""
import json
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

SCRIPT = Path(__file__).resolve().parents[2] / "tools" / "bench-figures"
BEGIN = "<!-- figures: written by tools/bench-figures from its last run; do not edit by hand -->"
END = "<!-- end of figures -->"


def entry(name, cpu_time, unit, **counters):
    return dict(name=name, cpu_time=cpu_time, real_time=cpu_time, time_unit=unit, **counters)


RUN = {
    "context": {"num_cpus": 2, "library_build_type": "release"},
    "benchmarks": [
        entry("BM_EvaluateAllPlacements_20_4_6", 95.0, "ms", ratio=1.004),
        entry("BM_WheelCheckSixOf20_440Tickets", 90.0, "ms", ratio=1.104),
        entry("BM_WheelMeetsGuarantee4If6_440Tickets", 12.0, "ms", ratio=0.136),
        entry("BM_LoadResults_20_4_6", 0.25, "us", ratio=2.5e-6),
        entry("BM_FaPairingJoined", 1.9, "ms", ratio=1650.4),
        entry("BM_FaPairingPairwise/iterations:1", 1500.0, "ms"),
        entry("BM_FillSystem", 520.0, "us", ratio=94.2),
        entry("BM_FillStepsWithoutFile", 30.0, "us", ratio=5.04),
        entry("BM_DrawGridView_10000", 40.0, "ms", ratio=2.66),
        entry("BM_ReadDraws_Sample", 380.0, "us", ratio=4.49, draws=3622),
        entry("BM_Import_10000", 11.0, "ms", ratio=50.2, import_ms=11.3),
        entry("BM_Backtest_20_4_6_Sample", 5.8, "ms", ratio=1.5, backtest_ms=5.8),
        entry("BM_FilterCount_6_49", 21.0, "ms", ratio=0.085, count_ms=20.5),
        entry("BM_FilterCount_7_50", 49.0, "ms", ratio=0.023, count_ms=46.3),
    ],
}

CELLS = [
    "1.00",
    "1.10",
    "0.14",
    "1/400,000 (0.25 µs CPU)",
    "1/1,650 (1.9 ms against 1.5 s)",
    "94 (520 µs CPU); 5.0 without the file",
    "2.7",
    "4.5 (3,622 draws, 380 µs CPU)",
    "50 (11 ms CPU)",
    "1.5 (5.8 ms CPU)",
    "1/12 (20 ms CPU)",
    "1/43 (46 ms CPU)",
]

README = f"# Title\n\n## Figures\n\nintro\n\n{BEGIN}\nold table\n{END}\n\nMeasured by hand: 54 MB.\n"


class BenchFigures(unittest.TestCase):
    def run_script(self, run):
        scratch = tempfile.TemporaryDirectory()
        self.addCleanup(scratch.cleanup)
        folder = Path(scratch.name)
        (folder / "run.json").write_text(json.dumps(run))
        (folder / "README.md").write_text(README, encoding="utf-8")
        done = subprocess.run([sys.executable, str(SCRIPT), "--json", str(folder / "run.json"), "--readme",
                               str(folder / "README.md")], capture_output=True, text=True)
        return done, (folder / "README.md").read_text(encoding="utf-8")

    def test_the_table_between_the_markers_is_rewritten_from_the_run(self):
        done, text = self.run_script(RUN)
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertTrue(text.startswith("# Title\n\n## Figures\n\nintro\n\n" + BEGIN + "\nMeasured by "))
        self.assertTrue(text.endswith(END + "\n\nMeasured by hand: 54 MB.\n"))
        self.assertNotIn("old table", text)
        rows = [line for line in text.splitlines() if line.startswith("| ") and "---" not in line][1:]
        self.assertEqual([row.rsplit(" | ", 1)[1].rstrip(" |") for row in rows], CELLS)
        # Written twice, the same run gives the same README.
        again, second = self.run_script(RUN)
        self.assertEqual(second, text)

    def test_a_failed_or_missing_benchmark_leaves_the_readme_as_it_was(self):
        failed = json.loads(json.dumps(RUN))
        failed["benchmarks"][6].update(error_occurred=True, error_message="no table")
        done, text = self.run_script(failed)
        self.assertNotEqual(done.returncode, 0)
        self.assertIn("BM_FillSystem failed: no table", done.stderr)
        self.assertEqual(text, README)
        missing = json.loads(json.dumps(RUN))
        del missing["benchmarks"][3]
        done, text = self.run_script(missing)
        self.assertNotEqual(done.returncode, 0)
        self.assertIn("BM_LoadResults_20_4_6", done.stderr)
        self.assertEqual(text, README)


if __name__ == "__main__":
    unittest.main()
