#!/usr/bin/env python3
"""Times a compile of 12-megapixel HEIC pictures against vipsthumbnail.

Makes 100 HEIC pictures of 4000 x 3000 once into build/bench-cache/heic12mp-N
with bench/make_heic_pictures.cpp (libheif's encoder is slow: they are kept),
then, in alternating rounds, compiles a show of them through
`pevrano-slideshow compile` (every picture written as a full-size JPEG, and,
when the program writes them, its thumbnail and phone size) and makes the
same sizes of the same files with vipsthumbnail (libvips reads HEIC): one
run per size, each given all the files (full size at Q 90, 240 x 180 and
1280 x 1280 at Q 85). Prints the median times, their ratio and the compile's
peak memory. Target: compile <= 1.0 x vipsthumbnail.

    bench/heic_vs_vipsthumbnail.py [--build build] [--pictures 100] [--rounds 3]
"""
import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

from fit_vs_vipsthumbnail import compile_with_peak, timed

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FULL = (4000, 3000)


def size_of(path):
    return tuple(int(subprocess.run(["vipsheader", "-f", field, path], check=True,
                                    capture_output=True, text=True).stdout)
                 for field in ("width", "height"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--pictures", type=int, default=100)
    parser.add_argument("--rounds", type=int, default=3)
    args = parser.parse_args()
    if not shutil.which("vipsthumbnail"):
        sys.exit("vipsthumbnail is missing (Debian package libvips-tools)")

    subprocess.run(["cmake", "--build", args.build, "--target", "pevrano-slideshow",
                    "make_heic_pictures", "program_folder_data"], check=True,
                   stdout=subprocess.DEVNULL)
    program = os.path.join(args.build, "bin", "pevrano-slideshow")
    maker = os.path.join(args.build, "bin", "make_heic_pictures")

    pictures = os.path.join(args.build, "bench-cache", f"heic12mp-{args.pictures}")
    if not os.path.isdir(pictures):
        print(f"Making {args.pictures} HEIC pictures of 4000 x 3000 into {pictures} "
              "(slow, once) ...", flush=True)
        subprocess.run([maker, pictures + ".part", str(args.pictures)], check=True)
        os.rename(pictures + ".part", pictures)
    paths = [os.path.join(pictures, n) for n in sorted(os.listdir(pictures))]
    total = sum(os.path.getsize(p) for p in paths)
    print(f"{len(paths)} HEIC pictures of 4000 x 3000, {total / 1e6:.1f} MB")

    help_text = subprocess.run([program, "compile", "--help"], check=True,
                               capture_output=True, text=True).stdout
    sizes = "PictureSizes" in help_text
    vips_sizes = [("full", "4000x3000", 90)]
    if sizes:
        vips_sizes += [("thumbs", "240x180", 85), ("phone", "1280x1280", 85)]
    else:
        print("(this program writes no thumbnails or phone sizes: full size only)")

    work = tempfile.mkdtemp(prefix="pevrano-heic-bench-")
    try:
        show = os.path.join(work, "show.json")
        settings = {"PictureSizes": True} if sizes else {}
        with open(show, "w") as f:
            json.dump({
                "slides": [{"PicturePath": p, "Caption": f"Slide {i + 1}"}
                           for i, p in enumerate(paths)],
                "settings": settings,
                "compile": {"FirstPageName": "bench", "ShowFolderName": "bench",
                            "TitleMessage": "Benchmark show."},
            }, f)

        def check(out):
            # A compile that left pictures out or copied them as HEIC would
            # look fast: every copy must be a JPEG of the right size.
            pix = os.path.join(out, "bench", "pix")
            for k in (1, len(paths)):
                if size_of(os.path.join(pix, f"pic{k}.jpg")) != FULL:
                    sys.exit(f"pic{k}.jpg is not the full picture")
                if sizes:
                    w, h = size_of(os.path.join(pix, "thumbs", f"pic{k}.jpg"))
                    if w > 240 or h > 180 or max(w / 240, h / 180) < 0.99:
                        sys.exit(f"thumbs/pic{k}.jpg is {w} x {h}")
                    if size_of(os.path.join(pix, "phone", f"pic{k}.jpg")) != (1280, 960):
                        sys.exit(f"phone/pic{k}.jpg is not 1280 x 960")

        def vips(r):
            seconds = 0
            for name, box, quality in vips_sizes:
                dest = os.path.join(work, f"vips{r}", name)
                os.makedirs(dest)
                s, _ = timed(["vipsthumbnail", "-s", box, "-o",
                              os.path.join(dest, f"%s.jpg[Q={quality}]"), *paths], check=True)
                seconds += s
            vips_times.append(seconds)

        def compile_show(r):
            out = os.path.join(work, f"out{r}")
            os.mkdir(out)
            seconds, peak = compile_with_peak(program, show, out)
            compile_times.append(seconds)
            check(out)
            peaks.append(peak)

        # Rounds alternate which of the two goes first.
        vips_times, compile_times, peaks = [], [], []
        for r in range(args.rounds):
            for step in ([vips, compile_show] if r % 2 == 0 else [compile_show, vips]):
                step(r)
            print(f"round {r + 1}: vipsthumbnail {vips_times[-1]:.2f} s, "
                  f"compile {compile_times[-1]:.2f} s, peak {peaks[-1] / 1024:.1f} MB",
                  flush=True)
            shutil.rmtree(os.path.join(work, f"vips{r}"))
            shutil.rmtree(os.path.join(work, f"out{r}"))

        vt = statistics.median(vips_times)
        comp = statistics.median(compile_times)
        what = "full, thumbnail, phone" if sizes else "full size"
        print()
        print(f"HEIC ({what}), {len(paths)} pictures:")
        print(f"  vipsthumbnail:   median {vt:.2f} s, best {min(vips_times):.2f} s")
        print(f"  compile:         median {comp:.2f} s, best {min(compile_times):.2f} s")
        print(f"  ratio:           median {comp / vt:.2f}  (target <= 1.0)")
        print(f"  compile peak memory: {max(peaks) / 1024:.1f} MB")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
