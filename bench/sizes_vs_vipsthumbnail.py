#!/usr/bin/env python3
"""Times and checks the thumbnails and phone sizes a compile writes.

Three parts, printed side by side:

1. Speed: 100 generated JPEGs of 4000 x 3000 (bench/make_pictures.cpp),
   compiled with "PictureSizes" (full copies as they are) against two
   vipsthumbnail runs over the same files, `-s 240x180` and `-s 1280x1280`
   (JPEG Q 85), in alternating rounds; medians, the ratio to the two runs'
   summed time and the compile's peak memory. Targets: <= 0.5 x, < 1 GB.
2. Scale: the same compile at 1000 slides (the pictures repeat); time per
   slide and peak memory, which must not grow with the number of slides.
3. Quality: the mean absolute difference from a Lanczos-3 reference
   (`vips resize --kernel lanczos3`) of the fitted 1440 x 1080 copy and the
   240 x 180 thumbnail, against vipsthumbnail's, on a zone plate (`vips zone`)
   and on a photo-like picture (a fractal surface per channel with fine
   noise). Target: <= 1.2 x vipsthumbnail on both.

    bench/sizes_vs_vipsthumbnail.py [--build build] [--rounds 3] [--skip-scale]
                                    [--quality-only]
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

from fit_vs_vipsthumbnail import program_and_pictures

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def run(*command):
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)


def timed(command, **kwargs):
    subprocess.run(["sync"], check=True)
    start = time.perf_counter()
    result = subprocess.run(command, **kwargs)
    return time.perf_counter() - start, result


def write_show(path, pictures, settings):
    with open(path, "w") as f:
        json.dump({"slides": [{"PicturePath": p, "Caption": f"Slide {i + 1}"}
                              for i, p in enumerate(pictures)],
                   "settings": settings,
                   "compile": {"FirstPageName": "bench", "ShowFolderName": "bench",
                               "TitleMessage": "Benchmark show."}}, f)


def compile_show(program, show, out):
    """Seconds and peak memory (MB) of one headless compile into `out`."""
    os.makedirs(out)
    seconds, result = timed(["/usr/bin/time", "-v", program, "compile", show], cwd=out,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if result.returncode != 0:
        sys.stderr.write(result.stderr[-2000:])
        sys.exit("the compile failed")
    peak = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", result.stderr).group(1))
    return seconds, peak / 1024


def check_sizes(pix, count):
    # A compile that skipped the sizes would look fast: they must be there.
    for k in range(1, count + 1):
        for name, box in ((f"thumbs/pic{k}.jpg", 240), (f"phone/pic{k}.jpg", 1280)):
            path = os.path.join(pix, name)
            width = int(subprocess.run(["vipsheader", "-f", "width", path], check=True,
                                       capture_output=True, text=True).stdout)
            if width != box:
                sys.exit(f"{path} is {width} wide, not {box}")


def speed(args, program, paths, work):
    show = os.path.join(work, "speed.json")
    write_show(show, paths, {"PictureSizes": True, "SizesCacheMB": 0})
    vips_times, compile_times, peaks = [], [], []

    def vips(r):
        total = 0
        for size in ("240x180", "1280x1280"):
            dest = os.path.join(work, f"vips{r}-{size}")
            os.mkdir(dest)
            seconds, _ = timed(["vipsthumbnail", "-s", size, "-o",
                                os.path.join(dest, "%s.jpg[Q=85]"), *paths], check=True)
            total += seconds
            shutil.rmtree(dest)
        vips_times.append(total)

    def ours(r):
        out = os.path.join(work, f"out{r}")
        seconds, peak = compile_show(program, show, out)
        check_sizes(os.path.join(out, "bench", "pix"), len(paths))
        shutil.rmtree(out)
        compile_times.append(seconds)
        peaks.append(peak)

    # Rounds alternate which goes first, so a machine that slows down or
    # speeds up weighs on both alike.
    for r in range(args.rounds):
        for step in ([vips, ours] if r % 2 == 0 else [ours, vips]):
            step(r)
        print(f"round {r + 1}: vipsthumbnail x 2 {vips_times[-1]:.2f} s, "
              f"compile {compile_times[-1]:.2f} s, peak {peaks[-1]:.1f} MB", flush=True)
    vt, comp = statistics.median(vips_times), statistics.median(compile_times)
    print(f"vipsthumbnail 240 + 1280:  median {vt:.2f} s")
    print(f"compile with sizes:        median {comp:.2f} s")
    print(f"ratio compile / vips:      {comp / vt:.2f}  (target <= 0.5)")
    print(f"compile peak memory:       {max(peaks):.1f} MB  (target < 1 GB)")
    return max(peaks)


def scale(args, program, paths, work, peak100):
    slides = [paths[i % len(paths)] for i in range(1000)]
    show = os.path.join(work, "scale.json")
    write_show(show, slides, {"PictureSizes": True, "SizesCacheMB": 0})
    seconds, peak = compile_show(program, show, os.path.join(work, "scale"))
    shutil.rmtree(os.path.join(work, "scale"))
    print(f"1000 slides:               {seconds:.1f} s, {1000 * seconds / len(slides):.0f} ms "
          f"a slide, "
          f"peak {peak:.1f} MB (100 slides: {peak100:.1f} MB)")


def mad(a, b, work):
    diff, absolute = os.path.join(work, "d.v"), os.path.join(work, "a.v")
    run("vips", "subtract", a, b, diff)
    run("vips", "abs", diff, absolute)
    return float(subprocess.run(["vips", "avg", absolute], check=True, capture_output=True,
                                text=True).stdout)


def quality(program, work):
    pictures = os.path.join(work, "quality")
    os.mkdir(pictures)
    zone, photo = os.path.join(pictures, "zone.jpg"), os.path.join(pictures, "photo.jpg")
    v = lambda name: os.path.join(pictures, name)
    run("vips", "zone", v("z.v"), "4000", "3000")
    run("vips", "linear", v("z.v"), v("z8.v"), "127.5", "127.5", "--uchar")
    run("vips", "copy", v("z8.v"), zone + "[Q=95]")
    # A stand-in for a photo with fine texture: a fractal surface per
    # channel, with fine noise over it.
    for b in "rgb":
        run("vips", "fractsurf", v(f"f{b}.v"), "4000", "3000", "2.5")
        run("vips", "scale", v(f"f{b}.v"), v(f"s{b}.v"))
    run("vips", "bandjoin", f"{v('sr.v')} {v('sg.v')} {v('sb.v')}", v("rgb.v"))
    run("vips", "gaussnoise", v("n.v"), "4000", "3000", "--sigma", "24")
    run("vips", "bandjoin", f"{v('n.v')} {v('n.v')} {v('n.v')}", v("n3.v"))
    run("vips", "add", v("rgb.v"), v("n3.v"), v("sum.v"))
    run("vips", "cast", v("sum.v"), v("p8.v"), "uchar")
    run("vips", "copy", v("p8.v"), photo + "[Q=90]")

    show = os.path.join(work, "quality.json")
    # A show needs three slides: the zone plate again is the third.
    write_show(show, [zone, photo, zone],
               {"FitPictures": True, "FitWidth": 1920, "FitHeight": 1080, "PictureSizes": True,
                "SizesCacheMB": 0})
    out = os.path.join(work, "quality-out")
    compile_show(program, show, out)
    pix = os.path.join(out, "bench", "pix")
    print()
    print("quality: mean absolute difference from vips resize --kernel lanczos3")
    for k, (label, source, target) in enumerate(((" zone plate", zone, 1.2),
                                                 (" photo-like", photo, 1.2)), start=1):
        for what, size, scale_by, ours, q in (
                ("fitted 1440x1080", "1440x1080", "0.36", f"pic{k}.jpg", 90),
                ("phone  1280x960 ", "1280x1280", "0.32", f"phone/pic{k}.jpg", 85),
                ("thumb  240x180  ", "240x180", "0.06", f"thumbs/pic{k}.jpg", 85)):
            reference = v(f"ref{k}-{size}.v")
            run("vips", "resize", source, reference, scale_by, "--kernel", "lanczos3")
            theirs = v(f"vt{k}-{size}.jpg")
            run("vipsthumbnail", source, "-s", size, "-o", theirs + f"[Q={q}]")
            a, b = mad(os.path.join(pix, ours), reference, work), mad(theirs, reference, work)
            print(f"{label} {what}: compile {a:.2f}, vipsthumbnail {b:.2f}, "
                  f"ratio {a / b:.2f}  (target <= {target})")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--pictures", type=int, default=100)
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--skip-scale", action="store_true")
    parser.add_argument("--quality-only", action="store_true")
    args = parser.parse_args()
    if not shutil.which("vipsthumbnail"):
        sys.exit("vipsthumbnail is missing (Debian package libvips-tools)")
    program, paths = program_and_pictures(args.build, args.pictures)

    work = tempfile.mkdtemp(prefix="pevrano-sizes-bench-")
    try:
        if not args.quality_only:
            peak = speed(args, program, paths, work)
            if not args.skip_scale:
                scale(args, program, paths, work, peak)
        quality(program, work)
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
