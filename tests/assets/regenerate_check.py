#!/usr/bin/env python3
"""Runs the asset generator into a scratch directory and checks that it
reproduces the committed assets byte for byte, with no committed file left
over that the generator no longer writes.

usage: regenerate_check.py ASSETGEN ASSETS_DIR
"""
import pathlib
import subprocess
import sys
import tempfile

GENERATED_DIRS = ("pictures", "icons", "sound")


def files_under(root):
    return {p.relative_to(root) for d in GENERATED_DIRS for p in (root / d).rglob("*") if p.is_file()}


def main(assetgen, assets_dir):
    committed_root = pathlib.Path(assets_dir)
    problems = []
    with tempfile.TemporaryDirectory(prefix="assetgen-") as scratch:
        scratch_root = pathlib.Path(scratch)
        subprocess.run([assetgen, scratch], check=True)
        generated = files_under(scratch_root)
        committed = files_under(committed_root)
        if not generated:
            problems.append("the generator wrote nothing")
        for missing in sorted(generated - committed):
            problems.append(f"not committed: {missing}")
        for stale in sorted(committed - generated):
            problems.append(f"committed but no longer generated: {stale}")
        for name in sorted(generated & committed):
            if (scratch_root / name).read_bytes() != (committed_root / name).read_bytes():
                problems.append(f"differs from a fresh run: {name}")
    for problem in problems:
        print(problem)
    if problems:
        print("run the regenerate_assets target and commit the result")
        return 1
    print(f"{len(generated)} files reproduced exactly")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
