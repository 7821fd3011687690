#!/usr/bin/env python3
"""Start-up of the program against a bare Qt Widgets program, in one run.

Usage: bench/startup.py BUILD_DIR [--display :67] [--runs 15] [--idle-seconds 8]

Starts its own Xvfb on the given display, then alternately starts the program
and bench_bare_window (one borderless 300 x 215 picture window) with
LERNWERK_REPORT_MAPPED set: each prints the monotonic clock when its first
window is on screen and ends. The time from just before the process is started
to that moment is the start-up; the median over the runs is reported, with the
ratio. The program is started as often again with LERNWERK_REPORT_BUILT set, which
prints the clock once the windows behind the start screen (the main window
and its pages) are built, while the start screen shows; the median of that is
reported beside. Then each is started once more without either variable, left idle (the
program on its trainer page, once the start screen has handed over), and its
resident memory is read from /proc, with the plot libraries (Qt Charts, Qt OpenGL) that
are mapped by then: none, since the progress page loads them when it is first opened.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import tempfile
import time


def mapped_after(command, env, cwd):
    start = time.monotonic_ns()
    out = subprocess.run(command, env=env, cwd=cwd, stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, timeout=30, check=True).stdout
    return (int(out.split()[0]) - start) / 1e6


def idle_kilobytes(command, env, cwd, seconds):
    """The resident memory when idle, and the libraries mapped then whose names hold "Charts"
    or "OpenGL" (the progress page's plots load them when the page is first opened)."""
    process = subprocess.Popen(command, env=env, cwd=cwd, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        time.sleep(seconds)
        with open(f"/proc/{process.pid}/maps") as maps:
            late = sorted({line.split()[-1].rsplit("/", 1)[-1] for line in maps
                           if "Charts" in line or "libQt6OpenGL" in line})
        with open(f"/proc/{process.pid}/status") as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1]), late
    finally:
        process.kill()
        process.wait()
    return 0, []


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--display", default=":67")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--idle-seconds", type=float, default=8.0)
    args = parser.parse_args()

    program = [os.path.abspath(os.path.join(args.build, "app", "lernwerk"))]
    bare = [os.path.abspath(os.path.join(args.build, "bench", "bench_bare_window"))]
    server = subprocess.Popen(["Xvfb", args.display, "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    folder = tempfile.mkdtemp()
    try:
        time.sleep(1.0)
        env = dict(os.environ, DISPLAY=args.display, QT_QPA_PLATFORM="xcb")
        env.pop("WAYLAND_DISPLAY", None)
        mapped_env = dict(env, LERNWERK_REPORT_MAPPED="1")
        mapped_after(program, mapped_env, folder)  # warms the file cache
        mapped_after(bare, mapped_env, folder)
        times = {"program": [], "bare": []}
        for _ in range(args.runs):
            times["program"].append(mapped_after(program, mapped_env, folder))
            times["bare"].append(mapped_after(bare, mapped_env, folder))
        built_env = dict(env, LERNWERK_REPORT_BUILT="1")
        built = statistics.median(mapped_after(program, built_env, folder) for _ in range(args.runs))
        p, b = statistics.median(times["program"]), statistics.median(times["bare"])
        print(f"start-up to the first window on screen, median of {args.runs}:")
        print(f"  program {p:7.1f} ms   bare {b:7.1f} ms   ratio {p / b:.2f}")
        print(f"  the main window built behind the start screen after {built:.1f} ms")

        p_kb, late = idle_kilobytes(program, env, folder, args.idle_seconds)
        b_kb, _ = idle_kilobytes(bare, env, folder, args.idle_seconds)
        print(f"resident when idle after {args.idle_seconds:.0f} s:")
        print(f"  program {p_kb / 1024:7.1f} MB   bare {b_kb / 1024:7.1f} MB   ratio {p_kb / b_kb:.2f}")
        print(f"  loaded before the progress page opens: {', '.join(late) or 'no Qt Charts, no Qt OpenGL'}")
    finally:
        server.terminate()
        server.wait()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
