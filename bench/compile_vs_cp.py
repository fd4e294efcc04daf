#!/usr/bin/env python3
"""Times the headless compile of a 1000-slide show against cp of its pictures.

Makes 1000 JPEGs of about 300 KB with the project's generator
(bench/make_pictures.cpp), then, in alternating rounds, copies them with cp
into a fresh folder and compiles a show of them with
`pevrano-slideshow compile`. Prints the median times, their ratio and the
compile's peak memory. Targets: compile <= 1.15 x cp, peak memory <= 100 MB.

    bench/compile_vs_cp.py [--build build] [--slides 1000] [--rounds 5]
"""
import argparse
import json
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def timed(command, **kwargs):
    subprocess.run(["sync"], check=True)
    start = time.perf_counter()
    result = subprocess.run(command, **kwargs)
    return time.perf_counter() - start, result


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--slides", type=int, default=1000)
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--kilobytes", type=int, default=300)
    args = parser.parse_args()

    subprocess.run(["cmake", "--build", args.build, "--target", "pevrano-slideshow",
                    "make_pictures", "program_folder_data"], check=True,
                   stdout=subprocess.DEVNULL)
    program = os.path.join(args.build, "bin", "pevrano-slideshow")
    maker = os.path.join(args.build, "bin", "make_pictures")

    work = tempfile.mkdtemp(prefix="pevrano-bench-")
    try:
        pictures = os.path.join(work, "pictures")
        print(f"Making {args.slides} pictures of about {args.kilobytes} KB ...", flush=True)
        subprocess.run([maker, pictures, str(args.slides), str(args.kilobytes), "1024", "768"],
                       check=True)
        names = sorted(os.listdir(pictures))
        total = sum(os.path.getsize(os.path.join(pictures, n)) for n in names)
        print(f"{len(names)} pictures, {total / 1e6:.1f} MB")

        show = os.path.join(work, "show.json")
        with open(show, "w") as f:
            json.dump({
                "slides": [{"PicturePath": f"pictures/{n}", "Caption": f"Slide {i + 1}: {n}"}
                           for i, n in enumerate(names)],
                "compile": {"FirstPageName": "bench", "ShowFolderName": "bench",
                            "TitleMessage": "Benchmark show."},
            }, f)

        def copy(r):
            dest = os.path.join(work, f"cp{r}")
            os.mkdir(dest)
            seconds, _ = timed(["cp", *[os.path.join(pictures, n) for n in names], dest],
                               check=True)
            cp_times.append(seconds)

        def compile_show(r):
            out = os.path.join(work, f"out{r}")
            os.mkdir(out)
            seconds, result = timed(["/usr/bin/time", "-v", program, "compile", show],
                                    cwd=out, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.PIPE, text=True)
            if result.returncode != 0:
                sys.stderr.write(result.stderr[-2000:])
                sys.exit("the compile failed")
            compile_times.append(seconds)
            peaks.append(int(re.search(r"Maximum resident set size \(kbytes\): (\d+)",
                                       result.stderr).group(1)))

        # Rounds alternate which of the two goes first, so a disk that slows
        # down or speeds up during the run weighs on both alike.
        cp_times, compile_times, peaks = [], [], []
        for r in range(args.rounds):
            steps = [copy, compile_show] if r % 2 == 0 else [compile_show, copy]
            for step in steps:
                step(r)
            print(f"round {r + 1}: cp {cp_times[-1]:.3f} s, compile {compile_times[-1]:.3f} s, "
                  f"peak {peaks[-1] / 1024:.1f} MB", flush=True)
            shutil.rmtree(os.path.join(work, f"cp{r}"))
            shutil.rmtree(os.path.join(work, f"out{r}"))

        cp = statistics.median(cp_times)
        comp = statistics.median(compile_times)
        peak = max(peaks) / 1024
        print()
        print(f"cp of the pictures:  median {cp:.3f} s, best {min(cp_times):.3f} s")
        print(f"headless compile:    median {comp:.3f} s, best {min(compile_times):.3f} s")
        print(f"ratio compile / cp:  median {comp / cp:.2f}, best "
              f"{min(compile_times) / min(cp_times):.2f}  (target <= 1.15)")
        print(f"compile peak memory: {peak:.1f} MB  (target <= 100 MB)")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
