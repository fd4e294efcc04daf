#!/usr/bin/env python3
"""Times a second compile of a show with sizes into a new folder against cp -r.

The show has `--slides` slides (default 1000) of generated 12-megapixel
JPEGs (the pictures of fit_vs_vipsthumbnail.py, repeated), with thumbnails
and phone sizes. A first compile fills the cache of sizes (in a private
XDG_CACHE_HOME); then, in alternating rounds, `cp -r` copies the first show
folder and the same show is compiled into a new folder, taking its sizes
from the cache. Prints the median times, their ratio and the compile's peak
memory. Target: the second compile <= 1.5 x cp -r.

    bench/second_compile_vs_cp.py [--build build] [--slides 1000] [--rounds 3]
"""
import argparse
import os
import shutil
import statistics
import tempfile

from fit_vs_vipsthumbnail import program_and_pictures
from sizes_vs_vipsthumbnail import compile_show, timed, write_show

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def rounds_against_cp(program, show, work, rounds):
    """In alternating rounds, `cp -r` of work/first and a compile of `show`
    into a new folder; their times and the compiles' peak memory."""
    cp_times, compile_times, peaks = [], [], []
    for r in range(rounds):
        def copy():
            seconds, _ = timed(["cp", "-r", os.path.join(work, "first"),
                                os.path.join(work, f"cp{r}")], check=True)
            cp_times.append(seconds)

        def again():
            seconds, peak = compile_show(program, show, os.path.join(work, f"out{r}"))
            compile_times.append(seconds)
            peaks.append(peak)

        for step in ([copy, again] if r % 2 == 0 else [again, copy]):
            step()
        print(f"round {r + 1}: cp -r {cp_times[-1]:.3f} s, second compile "
              f"{compile_times[-1]:.3f} s, peak {peaks[-1]:.0f} MB", flush=True)
        shutil.rmtree(os.path.join(work, f"cp{r}"))
        shutil.rmtree(os.path.join(work, f"out{r}"))
    return cp_times, compile_times, peaks


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--slides", type=int, default=1000)
    parser.add_argument("--pictures", type=int, default=100)
    parser.add_argument("--rounds", type=int, default=3)
    args = parser.parse_args()

    program, paths = program_and_pictures(args.build, args.pictures)
    work = tempfile.mkdtemp(prefix="pevrano-bench-")
    os.environ["XDG_CACHE_HOME"] = os.path.join(work, "cache")
    try:
        # Each slide its own file (a link), as a show of distinct photos.
        slides = []
        os.mkdir(os.path.join(work, "pictures"))
        for k in range(args.slides):
            link = os.path.join(work, "pictures", f"p{k + 1}.jpg")
            os.link(paths[k % len(paths)], link)
            slides.append(link)
        show = os.path.join(work, "show.json")
        write_show(show, slides, {"PictureSizes": True})
        first, peak = compile_show(program, show, os.path.join(work, "first"))
        print(f"first compile (fills the cache): {first:.1f} s, peak {peak:.0f} MB", flush=True)

        cp_times, compile_times, peaks = rounds_against_cp(program, show, work, args.rounds)
        cp = statistics.median(cp_times)
        comp = statistics.median(compile_times)
        print()
        print(f"cp -r of the first show: median {cp:.2f} s")
        print(f"second compile:          median {comp:.2f} s")
        print(f"ratio compile / cp -r:   {comp / cp:.2f}  (target <= 1.5)")
        print(f"compile peak memory:     {max(peaks):.0f} MB")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
