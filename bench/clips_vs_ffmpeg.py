#!/usr/bin/env python3
"""Times the compile of a show of clips against ffmpeg run directly, and the
second compile from the cache against cp -r.

The show has `--clips` (default 10) 10-second 1080p HEVC clips with sound
(ffmpeg's lavfi testsrc2 and sine, libx265: one made once into
build/bench-cache, copied to each file), so each is encoded, with thumbnails
and the player page.
The first compile runs with an empty cache (a private XDG_CACHE_HOME) and
ffmpeg and ffprobe behind wrappers that log their arguments; the transcodes
it ran are then run again directly, one at a time, with the same arguments
(target: the compile at most 1.1 x). Then, in alternating rounds, `cp -r`
copies the first show folder and the same show is compiled into a new
folder from the cache, which must run no ffmpeg or ffprobe at all (target:
at most 1.5 x cp -r).

    bench/clips_vs_ffmpeg.py [--build build] [--clips 10] [--rounds 3]
"""
import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

from second_compile_vs_cp import rounds_against_cp
from sizes_vs_vipsthumbnail import compile_show, timed, write_show

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def make_clips(build, count):
    """`count` 10-second 1080p HEVC clips with AAC sound: one made once, the
    others copies of it (each its own file, so each is encoded)."""
    source = os.path.join(build, "bench-cache", "hevc1080-10s.mp4")
    if not os.path.exists(source):
        print(f"Making a 10-second 1080p HEVC clip: {source} ...", flush=True)
        os.makedirs(os.path.dirname(source), exist_ok=True)
        subprocess.run(
            ["ffmpeg", "-hide_banner", "-nostdin", "-v", "error", "-y",
             "-f", "lavfi", "-i", "testsrc2=size=1920x1080:rate=25:duration=10",
             "-f", "lavfi", "-i", "sine=frequency=440:duration=10",
             "-c:v", "libx265", "-preset", "ultrafast", "-x265-params", "log-level=error",
             "-tag:v", "hvc1", "-pix_fmt", "yuv420p", "-c:a", "aac", source + ".part.mp4"],
            check=True)
        os.rename(source + ".part.mp4", source)
    return source, count


def wrap_tools(work):
    """A folder for PATH whose ffmpeg and ffprobe log their arguments, one
    JSON list a line, before running the real ones."""
    folder = os.path.join(work, "tools")
    os.mkdir(folder)
    log = os.path.join(work, "tools.log")
    for tool in ("ffmpeg", "ffprobe"):
        real = shutil.which(tool)
        if not real:
            sys.exit(f"{tool} is not installed (Debian package ffmpeg)")
        path = os.path.join(folder, tool)
        with open(path, "w") as f:
            f.write(f"#!{sys.executable}\n"
                    "import json, os, sys\n"
                    f"with open({log!r}, 'a') as log:\n"
                    f"    log.write(json.dumps([{real!r}] + sys.argv[1:]) + '\\n')\n"
                    f"os.execv({real!r}, [{real!r}] + sys.argv[1:])\n")
        os.chmod(path, 0o755)
    return folder, log


def logged_runs(log):
    if not os.path.exists(log):
        return []
    with open(log) as f:
        return [json.loads(line) for line in f if line.strip()]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--clips", type=int, default=10)
    parser.add_argument("--rounds", type=int, default=3)
    args = parser.parse_args()

    subprocess.run(["cmake", "--build", args.build, "--target", "pevrano-slideshow",
                    "program_folder_data"], check=True, stdout=subprocess.DEVNULL)
    program = os.path.join(args.build, "bin", "pevrano-slideshow")
    source, count = make_clips(args.build, args.clips)
    work = tempfile.mkdtemp(prefix="pevrano-bench-")
    os.mkdir(os.path.join(work, "clips"))
    clips = []
    for k in range(count):
        clips.append(os.path.join(work, "clips", f"clip{k + 1:02}.mp4"))
        shutil.copyfile(source, clips[-1])
    os.environ["XDG_CACHE_HOME"] = os.path.join(work, "cache")
    tools, log = wrap_tools(work)
    os.environ["PATH"] = tools + os.pathsep + os.environ["PATH"]
    try:
        show = os.path.join(work, "show.json")
        write_show(show, clips, {"PictureSizes": True, "Player": True})
        first, peak = compile_show(program, show, os.path.join(work, "first"))
        transcodes = [run for run in logged_runs(log) if "-progress" in run]
        if len(transcodes) != len(clips):
            sys.exit(f"the compile ran {len(transcodes)} transcodes for {len(clips)} clips")
        print(f"compile of {len(clips)} clips: {first:.1f} s, peak {peak:.0f} MB "
              f"({len(logged_runs(log))} tool runs)", flush=True)

        # The same transcodes, one at a time, into a folder of their own.
        direct = os.path.join(work, "direct")
        os.mkdir(direct)
        ffmpeg_time = 0.0
        for k, run in enumerate(transcodes):
            run = run[:-1] + ["file:" + os.path.join(direct, f"vid{k + 1}.mp4")]
            seconds, _ = timed(run, check=True, stdout=subprocess.DEVNULL)
            ffmpeg_time += seconds
            print(f"  ffmpeg run {k + 1}: {seconds:.1f} s", flush=True)
        print(f"ffmpeg directly:       {ffmpeg_time:.1f} s", flush=True)

        os.remove(log)
        cp_times, compile_times, _ = rounds_against_cp(program, show, work, args.rounds)
        if logged_runs(log):
            sys.exit(f"the second compiles ran ffmpeg or ffprobe: {logged_runs(log)[0]}")
        cp = statistics.median(cp_times)
        again = statistics.median(compile_times)
        print()
        print(f"compile of {len(clips)} clips:      {first:.1f} s")
        print(f"the same ffmpeg runs:      {ffmpeg_time:.1f} s")
        print(f"ratio compile / ffmpeg:    {first / ffmpeg_time:.2f}  (target <= 1.1)")
        print(f"cp -r of the first show:   median {cp:.3f} s")
        print(f"second compile (cache):    median {again:.3f} s")
        print(f"ratio compile / cp -r:     {again / cp:.2f}  (target <= 1.5)")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
