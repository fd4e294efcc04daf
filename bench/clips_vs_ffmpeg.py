#!/usr/bin/env python3
"""Times the compile of a show of clips against ffmpeg run directly, and the
second compile from the cache against cp -r.

The show has `--clips` (default 10) 10-second 1080p HEVC clips with sound
(ffmpeg's lavfi testsrc2 and sine, libx265 with a key frame each second
as phones record, or every `--gop` frames: one made once into
build/bench-cache, copied to each file), so each is encoded, with thumbnails
and the player page.
The first compile runs with an empty cache (a private XDG_CACHE_HOME) and
ffmpeg and ffprobe behind wrappers that log their arguments; the transcodes
it ran are then run again directly, one at a time, with the same arguments
(target: the compile at most 1.1 x), in alternating rounds; the CPU time
of both is printed too, as the machine's other work does not change it. Then, in alternating rounds, `cp -r`
copies the first show folder and the same show is compiled into a new
folder from the cache, which must run no ffmpeg or ffprobe at all (target:
at most 1.5 x cp -r).

    bench/clips_vs_ffmpeg.py [--build build] [--clips 10] [--rounds 3]
"""
import argparse
import json
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile

from second_compile_vs_cp import rounds_against_cp
from sizes_vs_vipsthumbnail import compile_show, timed, write_show

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def make_clips(build, count, gop):
    """`count` 10-second 1080p HEVC clips with AAC sound, a key frame every
    `gop` frames: one made once, the others copies of it (each its own file,
    so each is encoded)."""
    source = os.path.join(build, "bench-cache", f"hevc1080-10s-gop{gop}.mp4")
    if not os.path.exists(source):
        print(f"Making a 10-second 1080p HEVC clip: {source} ...", flush=True)
        os.makedirs(os.path.dirname(source), exist_ok=True)
        subprocess.run(
            ["ffmpeg", "-hide_banner", "-nostdin", "-v", "error", "-y",
             "-f", "lavfi", "-i", "testsrc2=size=1920x1080:rate=25:duration=10",
             "-f", "lavfi", "-i", "sine=frequency=440:duration=10",
             "-c:v", "libx265", "-preset", "ultrafast", "-x265-params",
             f"log-level=error:keyint={gop}:min-keyint={gop}", "-tag:v", "hvc1",
             "-pix_fmt", "yuv420p", "-c:a", "aac", source + ".part.mp4"],
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


def cpu_of(step):
    """Runs `step`; the CPU seconds (user and system) of the processes it ran
    and waited for, with their children: a figure the other work on a busy
    machine does not change."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    result = step()
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime), result


def logged_runs(log):
    if not os.path.exists(log):
        return []
    with open(log) as f:
        return [json.loads(line) for line in f if line.strip()]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--clips", type=int, default=10)
    # A key frame a second, as phones record; x265's own default is 250.
    parser.add_argument("--gop", type=int, default=25)
    parser.add_argument("--first-rounds", type=int, default=2)
    parser.add_argument("--rounds", type=int, default=3)
    args = parser.parse_args()

    subprocess.run(["cmake", "--build", args.build, "--target", "pevrano-slideshow",
                    "program_folder_data", "asset_pictures", "applet_jar"], check=True,
                   stdout=subprocess.DEVNULL)
    program = os.path.join(args.build, "bin", "pevrano-slideshow")
    source, count = make_clips(args.build, args.clips, args.gop)
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
        # First compiles (each with an empty cache, so each encodes) and the
        # same transcodes run directly, in alternating order.
        compile_runs, ffmpeg_runs = [], []
        transcodes = None
        for r in range(args.first_rounds):
            def compile_first():
                shutil.rmtree(os.environ["XDG_CACHE_HOME"], ignore_errors=True)
                shutil.rmtree(os.path.join(work, "first"), ignore_errors=True)
                if os.path.exists(log):
                    os.remove(log)
                cpu, (seconds, peak) = cpu_of(
                    lambda: compile_show(program, show, os.path.join(work, "first")))
                compile_runs.append((seconds, cpu))
                print(f"round {r + 1}: compile of {len(clips)} clips {seconds:.1f} s, "
                      f"CPU {cpu:.1f} s, peak {peak:.0f} MB", flush=True)
                return [run for run in logged_runs(log) if "-progress" in run]

            def ffmpeg_direct():
                direct = os.path.join(work, "direct")
                shutil.rmtree(direct, ignore_errors=True)
                os.mkdir(direct)
                total, cpu_total = 0.0, 0.0
                for k, run in enumerate(transcodes):
                    run = run[:-1] + ["file:" + os.path.join(direct, f"vid{k + 1}.mp4")]
                    cpu, (seconds, _) = cpu_of(
                        lambda: timed(run, check=True, stdout=subprocess.DEVNULL))
                    total += seconds
                    cpu_total += cpu
                ffmpeg_runs.append((total, cpu_total))
                print(f"round {r + 1}: the same ffmpeg runs {total:.1f} s, "
                      f"CPU {cpu_total:.1f} s", flush=True)

            if transcodes is None or r % 2 == 0:
                transcodes = compile_first()
                if len(transcodes) != len(clips):
                    sys.exit(f"the compile ran {len(transcodes)} transcodes for "
                             f"{len(clips)} clips")
                ffmpeg_direct()
            else:
                ffmpeg_direct()
                compile_first()
        first = statistics.median(t for t, _ in compile_runs)
        first_cpu = statistics.median(c for _, c in compile_runs)
        ffmpeg_time = statistics.median(t for t, _ in ffmpeg_runs)
        ffmpeg_cpu = statistics.median(c for _, c in ffmpeg_runs)

        os.remove(log)
        cp_times, compile_times, _ = rounds_against_cp(program, show, work, args.rounds)
        if logged_runs(log):
            sys.exit(f"the second compiles ran ffmpeg or ffprobe: {logged_runs(log)[0]}")
        cp = statistics.median(cp_times)
        again = statistics.median(compile_times)
        print()
        print(f"compile of {len(clips)} clips:       median {first:.1f} s, CPU {first_cpu:.1f} s")
        print(f"the same ffmpeg runs:       median {ffmpeg_time:.1f} s, CPU {ffmpeg_cpu:.1f} s")
        print(f"ratio compile / ffmpeg:     {first / ffmpeg_time:.2f}, CPU "
              f"{first_cpu / ffmpeg_cpu:.2f}  (target <= 1.1)")
        print(f"cp -r of the first show:    median {cp:.3f} s")
        print(f"second compile (cache):     median {again:.3f} s")
        print(f"ratio compile / cp -r:      {again / cp:.2f}  (target <= 1.5)")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
