#!/usr/bin/env python3
"""Times a compile that fits 12-megapixel pictures against vipsthumbnail.

Makes 100 JPEGs of 4000 x 3000 once into build/bench-cache/fit12mp with the
project's generator (bench/make_pictures.cpp), then, in alternating rounds,
compiles a show of them with fitting to 1920 x 1080 through
`pevrano-slideshow compile` and scales the same files with
`vipsthumbnail -s 1920x1080 -o DIR/%s.jpg[Q=90]`. Prints the median times,
their ratio and the compile's peak memory. Targets: compile <= 1.0 x
vipsthumbnail, peak memory <= 300 MB.

    bench/fit_vs_vipsthumbnail.py [--build build] [--pictures 100] [--rounds 3]
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


def compile_with_peak(program, show, out):
    """Compiles `show` in folder `out`: its seconds and peak memory in KB."""
    seconds, result = timed(["/usr/bin/time", "-v", program, "compile", show],
                            cwd=out, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True)
    if result.returncode != 0:
        sys.stderr.write(result.stderr[-2000:])
        sys.exit("the compile failed")
    peak = re.search(r"Maximum resident set size \(kbytes\): (\d+)", result.stderr)
    return seconds, int(peak.group(1))


def program_and_pictures(build, count):
    """Builds the program and returns its path with `count` generated JPEGs
    of 4000 x 3000, made once into build/bench-cache."""
    subprocess.run(["cmake", "--build", build, "--target", "pevrano-slideshow",
                    "make_pictures", "program_folder_data"], check=True,
                   stdout=subprocess.DEVNULL)
    program = os.path.join(build, "bin", "pevrano-slideshow")
    maker = os.path.join(build, "bin", "make_pictures")
    pictures = os.path.join(build, "bench-cache", f"fit12mp-{count}")
    if not os.path.isdir(pictures):
        print(f"Making {count} pictures of 4000 x 3000 into {pictures} ...", flush=True)
        subprocess.run([maker, pictures + ".part", str(count), "3500", "4000", "3000"],
                       check=True)
        os.rename(pictures + ".part", pictures)
    return program, [os.path.join(pictures, n) for n in sorted(os.listdir(pictures))]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--pictures", type=int, default=100)
    parser.add_argument("--rounds", type=int, default=3)
    args = parser.parse_args()
    if not shutil.which("vipsthumbnail"):
        sys.exit("vipsthumbnail is missing (Debian package libvips-tools)")

    program, paths = program_and_pictures(args.build, args.pictures)
    names = [os.path.basename(p) for p in paths]
    total = sum(os.path.getsize(p) for p in paths)
    print(f"{len(names)} pictures of 4000 x 3000, {total / 1e6:.1f} MB")

    work = tempfile.mkdtemp(prefix="pevrano-fit-bench-")
    try:
        show = os.path.join(work, "show.json")
        with open(show, "w") as f:
            json.dump({
                "slides": [{"PicturePath": p, "Caption": f"Slide {i + 1}"}
                           for i, p in enumerate(paths)],
                "settings": {"FitPictures": True, "FitWidth": 1920, "FitHeight": 1080},
                "compile": {"FirstPageName": "bench", "ShowFolderName": "bench",
                            "TitleMessage": "Benchmark show."},
            }, f)

        def check_fitted(out):
            # A compile that copied the pictures as they are would look fast:
            # every slide picture must be there and within the box.
            for k in range(1, len(paths) + 1):
                pic = os.path.join(out, "bench", "pix", f"pic{k}.jpg")
                size = [int(subprocess.run(["vipsheader", "-f", field, pic], check=True,
                                           capture_output=True, text=True).stdout)
                        for field in ("width", "height")]
                if size[0] > 1920 or size[1] > 1080 or max(size) < 1080:
                    sys.exit(f"{pic} is {size[0]} x {size[1]}, not fitted to 1920 x 1080")

        def vips(r):
            dest = os.path.join(work, f"vips{r}")
            os.mkdir(dest)
            seconds, _ = timed(["vipsthumbnail", "-s", "1920x1080", "-o",
                                os.path.join(dest, "%s.jpg[Q=90]"), *paths], check=True)
            vips_times.append(seconds)

        def compile_show(r):
            out = os.path.join(work, f"out{r}")
            os.mkdir(out)
            seconds, peak = compile_with_peak(program, show, out)
            compile_times.append(seconds)
            check_fitted(out)
            peaks.append(peak)

        # Rounds alternate which of the two goes first, so a machine that
        # slows down or speeds up during the run weighs on both alike.
        vips_times, compile_times, peaks = [], [], []
        for r in range(args.rounds):
            steps = [vips, compile_show] if r % 2 == 0 else [compile_show, vips]
            for step in steps:
                step(r)
            print(f"round {r + 1}: vipsthumbnail {vips_times[-1]:.2f} s, "
                  f"compile {compile_times[-1]:.2f} s, peak {peaks[-1] / 1024:.1f} MB",
                  flush=True)
            shutil.rmtree(os.path.join(work, f"vips{r}"))
            shutil.rmtree(os.path.join(work, f"out{r}"))

        vt = statistics.median(vips_times)
        comp = statistics.median(compile_times)
        peak = max(peaks) / 1024
        print()
        print(f"vipsthumbnail:            median {vt:.2f} s, best {min(vips_times):.2f} s")
        print(f"fitted headless compile:  median {comp:.2f} s, best {min(compile_times):.2f} s")
        print(f"ratio compile / vips:     median {comp / vt:.2f}, best "
              f"{min(compile_times) / min(vips_times):.2f}  (target <= 1.0)")
        print(f"compile peak memory:      {peak:.1f} MB  (target <= 300 MB)")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
