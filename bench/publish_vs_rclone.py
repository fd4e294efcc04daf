#!/usr/bin/env python3
"""Times `pevrano-slideshow publish` of a 1000-slide show against `rclone copy`.

Makes 1000 JPEGs of 1024 x 768 (bench/make_pictures.cpp), a show of them with
picture sizes (thumbnails) on, and a WebDAV server on 127.0.0.1
(`rclone serve webdav`, with a user and a password). Then:

1. the first publish to an empty path, against `rclone copy` of the same
   compiled folder to another empty path of the same server, in alternating
   rounds (target: the publish's sending at most 1.1 x rclone copy);
2. a second publish after one caption change (target: at most 5 s).

The publish compiles the show first; its sending starts when it prints
"Looking at ...", so the compile and the sending are timed apart.

    bench/publish_vs_rclone.py [--build build] [--slides 1000] [--rounds 3]
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


def rclone_env(work):
    env = dict(os.environ)
    env["RCLONE_CONFIG"] = os.path.join(work, "rclone.conf")
    env["XDG_CACHE_HOME"] = os.path.join(work, "cache")
    return env


def start_server(work):
    served = os.path.join(work, "served")
    os.makedirs(served)
    log = os.path.join(work, "server.log")
    env = dict(os.environ, RCLONE_USER="u", RCLONE_PASS="bench-pw")
    server = subprocess.Popen(["rclone", "serve", "webdav", served, "--addr", "127.0.0.1:0",
                               "--log-file", log], env=env)
    for _ in range(200):
        time.sleep(0.05)
        if os.path.exists(log):
            m = re.search(r"Server started on (http://127\.0\.0\.1:\d+/)", open(log).read())
            if m:
                return server, m.group(1)
    server.kill()
    sys.exit("the WebDAV server did not start")


def make_remote(work, url):
    env = rclone_env(work)
    subprocess.run(["rclone", "config", "create", "--non-interactive", "bench", "webdav",
                    f"url={url}", "vendor=other", "user=u"], env=env, check=True,
                   stdout=subprocess.DEVNULL)
    obscured = subprocess.run(["rclone", "obscure", "-"], input="bench-pw", env=env,
                              check=True, capture_output=True, text=True).stdout.strip()
    with open(env["RCLONE_CONFIG"], "a") as f:
        f.write(f"pass = {obscured}\n")


def publish(program, show, target, work):
    """Returns (compile seconds, sending seconds)."""
    start = time.perf_counter()
    proc = subprocess.Popen([program, "publish", show, target], env=rclone_env(work),
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    sending = None
    tail = []
    for line in proc.stderr:
        if sending is None and line.startswith("Looking at"):
            sending = time.perf_counter()
        tail = (tail + [line])[-20:]
    proc.wait()
    end = time.perf_counter()
    if proc.returncode != 0 or sending is None:
        sys.stderr.write("".join(tail))
        sys.exit("the publish failed")
    return sending - start, end - sending


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--slides", type=int, default=1000)
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--kilobytes", type=int, default=150)
    args = parser.parse_args()

    subprocess.run(["cmake", "--build", args.build, "--target", "pevrano-slideshow",
                    "make_pictures", "program_folder_data", "asset_pictures", "applet_jar"], check=True,
                   stdout=subprocess.DEVNULL)
    program = os.path.join(args.build, "bin", "pevrano-slideshow")
    maker = os.path.join(args.build, "bin", "make_pictures")
    work = tempfile.mkdtemp(prefix="pevrano-publish-bench-")
    server = None
    try:
        pictures = os.path.join(work, "pictures")
        print(f"Making {args.slides} pictures of about {args.kilobytes} KB ...", flush=True)
        subprocess.run([maker, pictures, str(args.slides), str(args.kilobytes), "1024", "768"],
                       check=True)
        names = sorted(os.listdir(pictures))
        show = os.path.join(work, "show.json")

        def write_show(first_caption):
            with open(show, "w") as f:
                json.dump({
                    "slides": [{"PicturePath": f"pictures/{n}",
                                "Caption": first_caption if i == 0 else f"Slide {i + 1}"}
                               for i, n in enumerate(names)],
                    "settings": {"PictureSizes": True, "Player": True},
                    "compile": {"FirstPageName": "bench", "ShowFolderName": "bench",
                                "TitleMessage": "Benchmark show."},
                }, f)

        write_show("Slide 1")
        server, url = start_server(work)
        make_remote(work, url)

        # The folder rclone copies: the same show, compiled by the tool.
        compiled = os.path.join(work, "compiled")
        os.mkdir(compiled)
        subprocess.run([program, "compile", show], cwd=compiled, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        folder = os.path.join(compiled, "bench")
        files = sum(len(f) for _, _, f in os.walk(folder))
        size = sum(os.path.getsize(os.path.join(d, n)) for d, _, fs in os.walk(folder) for n in fs)
        print(f"compiled show: {files} files, {size / 1e6:.1f} MB", flush=True)

        copies, sends, compiles = [], [], []
        for r in range(args.rounds):
            def copy():
                start = time.perf_counter()
                subprocess.run(["rclone", "copy", folder, f"bench:copy{r}/bench"],
                               env=rclone_env(work), check=True)
                copies.append(time.perf_counter() - start)

            def send():
                c, s = publish(program, show, f"bench:pub{r}", work)
                compiles.append(c)
                sends.append(s)

            for step in ([copy, send] if r % 2 == 0 else [send, copy]):
                step()
            print(f"round {r + 1}: rclone copy {copies[-1]:.2f} s, publish sending "
                  f"{sends[-1]:.2f} s (its compile {compiles[-1]:.2f} s)", flush=True)

        write_show("Slide 0")  # one caption changed, same length
        again_compile, again_send = publish(program, show, "bench:pub0", work)

        copy_m, send_m = statistics.median(copies), statistics.median(sends)
        print()
        print(f"rclone copy of the compiled folder: median {copy_m:.2f} s")
        print(f"publish, sending only:              median {send_m:.2f} s "
              f"(ratio {send_m / copy_m:.2f}, target <= 1.1)")
        print(f"publish, compile included:          median "
              f"{statistics.median(c + s for c, s in zip(compiles, sends)):.2f} s")
        print(f"second publish, one caption changed: {again_compile + again_send:.2f} s "
              f"(compile {again_compile:.2f} s, sending {again_send:.2f} s; target <= 5 s)")
        print(f"load average at the end: {os.getloadavg()[0]:.1f}")
    finally:
        if server:
            server.kill()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
