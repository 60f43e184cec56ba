"""What bench/peers/run and bench/soak/run share: the private X server, the benchmark media, program folders
of the measured Brandock builds with a seeded settings database "SysConfig", the X probe, and the other
players' command lines. Nothing here depends on more of a build than its program folder (dist/Kestrune)."""

import ctypes
import os
import select
import shutil
import signal
import sqlite3
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.abspath(os.path.join(HERE, "..", ".."))
PANEL_TITLE = "控制面板--Kestrune Vandrel"
SCREEN = (1920, 1080)
# Brandock's screen window on a first start: three quarters of the screen, an eighth in from its corner. The
# other players get the same window, so that each draws the same number of pixels.
VIDEO_GEOMETRY = "1440x810+240+135"
PEER_UID = 65534  # VLC refuses to run as root: the other players run as "nobody" when the bench runs as root


def log(*parts):
    print(*parts, file=sys.stderr, flush=True)


def median(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) if values else None


def adopt_orphans():
    """Players left running by the probe become this process's children, to be waited for and reaped."""
    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)


class Bench:
    def __init__(self, keep=False):
        self.work = tempfile.mkdtemp(prefix="kestrune-peers-")
        os.chmod(self.work, 0o755)  # the other players' user reads the media and its home in here
        self.keep = keep
        self.xvfb = None
        self.env = dict(os.environ)
        self.log_file = open(os.path.join(self.work, "players.log"), "w")
        adopt_orphans()
        # Stopped from outside, the players and the X server are still ended and the folder removed.
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))

    # ---- set-up ------------------------------------------------------------------------------------------
    def compile_helpers(self):
        """The probe and the bare Qt programs (a start, a player on libmpv, a drop target) are built here, from
        this checkout, for every build measured."""
        self.probe = os.path.join(self.work, "peer-probe")
        run(["c++", "-std=c++20", "-O2", "-o", self.probe, os.path.join(HERE, "peer_probe.cpp"), "-lX11", "-lXdamage"])
        self.qt_core_start = os.path.join(self.work, "qt-core-start")
        flags = subprocess.run(["pkg-config", "--cflags", "--libs", "Qt6Core"], capture_output=True, text=True,
                               check=True).stdout.split()
        run(["c++", "-std=c++20", "-O2", "-fPIC", "-o", self.qt_core_start,
             os.path.join(HERE, "qt_core_start.cpp")] + flags)
        self.qt_mpv_floor = os.path.join(self.work, "qt-mpv-floor")
        flags = subprocess.run(["pkg-config", "--cflags", "--libs", "Qt6Widgets", "mpv"], capture_output=True,
                               text=True, check=True).stdout.split()
        run(["c++", "-std=c++20", "-O2", "-fPIC", "-o", self.qt_mpv_floor,
             os.path.join(HERE, "qt_mpv_floor.cpp"), "-ldl"] + [f for f in flags if f != "-lmpv"])
        self.qt_drop_floor = os.path.join(self.work, "qt-drop-floor")
        run(["c++", "-std=c++20", "-O2", "-fPIC", "-o", self.qt_drop_floor,
             os.path.join(HERE, "qt_drop_floor.cpp")] + [f for f in flags if f != "-lmpv"])

    def make_movie(self, seconds=20):
        """1080p H.264 with AAC sound; a magenta frame round the picture tells the probe it is shown."""
        path = os.path.join(self.work, "movie-1080p.mp4")
        ffmpeg(["-f", "lavfi", "-i",
                f"testsrc2=size=1920x1080:rate=30:duration={seconds},"
                "drawbox=x=0:y=0:w=iw:h=ih:color=magenta:t=60",
                "-f", "lavfi", "-i", f"sine=frequency=440:duration={seconds}",
                "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest", path])
        return path

    def make_clips(self, count=6):
        """Clips of 2 to 3 s, 640x360 H.264 with sound, for the list loops."""
        folder = os.path.join(self.work, "clips")
        os.makedirs(folder, exist_ok=True)
        clips = []
        for i in range(count):
            seconds = 2 + (i % 3) * 0.5
            path = os.path.join(folder, f"clip {i + 1}.mp4")
            ffmpeg(["-f", "lavfi", "-i", f"testsrc2=size=640x360:rate=30:duration={seconds}",
                    "-f", "lavfi", "-i", f"sine=frequency={300 + 50 * i}:duration={seconds}",
                    "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest",
                    path])
            clips.append(path)
        return clips

    def start_x(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp", "-screen", "0",
             f"{SCREEN[0]}x{SCREEN[1]}x24"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(read_end)
        self.env.update(DISPLAY=":" + number.decode().strip(), QT_QPA_PLATFORM="xcb",
                        KESTRUNE_AUDIO_OUTPUT="null")
        for variable in ("WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS"):
            self.env.pop(variable, None)
        # The other players keep their settings in a home of their own, made on their first start.
        self.peer_home = os.path.join(self.work, "peer-home")
        self.peer_runtime = os.path.join(self.work, "peer-runtime")
        for folder in (self.peer_home, self.peer_runtime):
            os.makedirs(folder, mode=0o700, exist_ok=True)
            if os.getuid() == 0:
                os.chown(folder, PEER_UID, PEER_UID)
        self.peer_env = dict(self.env, HOME=self.peer_home, XDG_RUNTIME_DIR=self.peer_runtime,
                             XDG_CONFIG_HOME=os.path.join(self.peer_home, ".config"))
        self.start_session_buses()

    def start_session_buses(self):
        """A session bus of their own for Brandock and the players run as this user, another for the players run
        as the peers' user: as on a desktop, and VLC's single instance answers on it."""
        self.buses = []
        for env, command in ((self.env, []), (self.peer_env, self.as_peer([]))):
            out = subprocess.run(command + ["dbus-daemon", "--session", "--fork", "--print-address=1",
                                            "--print-pid=1"], env=env, capture_output=True, text=True,
                                 check=True).stdout.split("\n")
            env["DBUS_SESSION_BUS_ADDRESS"] = out[0].strip()
            self.buses.append(int(out[1]))

    def as_peer(self, command):
        if os.getuid() != 0:
            return command
        return ["setpriv", f"--reuid={PEER_UID}", f"--regid={PEER_UID}", "--clear-groups"] + command

    def close(self):
        for bus in getattr(self, "buses", []):
            try:
                os.kill(bus, signal.SIGTERM)
            except ProcessLookupError:
                pass
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()
        self.log_file.close()
        if self.keep:
            log(f"kept {self.work}")
        else:
            shutil.rmtree(self.work, ignore_errors=True)

    # ---- the probe -----------------------------------------------------------------------------------------
    def probe_run(self, args, env=None):
        """Runs the probe; its answers as a dictionary of numbers, None when it saw nothing in time."""
        result = subprocess.run([self.probe] + args, env=env or self.env, stdout=subprocess.PIPE,
                                stderr=self.log_file, text=True)
        answers = {}
        for line in result.stdout.splitlines():
            key, _, value = line.partition(" ")
            answers[key] = float(value)
        if result.returncode != 0:
            log(f"  probe {args[0]} saw nothing for {' '.join(args[-3:])}")
        return answers


class Brandock:
    """One build of the player, run from copies of its program folder."""

    def __init__(self, bench, name, build):
        self.bench, self.name = bench, name
        self.build = os.path.abspath(build)
        dist = os.path.join(self.build, "dist", "Kestrune")
        if not os.path.isfile(os.path.join(dist, "brandock")):
            raise SystemExit(f"no player in {dist}: build it first")
        self.folder = os.path.join(bench.work, "players", name, "Kestrune")
        shutil.copytree(dist, self.folder, symlinks=True)
        self.program = os.path.join(self.folder, "brandock")
        self.database = os.path.join(self.folder, "SysConfig")
        self.runtime = os.path.join(bench.work, "players", name, "runtime")
        os.makedirs(self.runtime, mode=0o700)
        self.env = dict(bench.env, XDG_RUNTIME_DIR=self.runtime)
        self.templates = {}

    def tool(self, name):
        for folder, _, files in os.walk(self.build):
            if name in files:
                return os.path.join(folder, name)
        return None

    def seed(self, paths, rule=3):
        """A settings database as a returning user's: the list stored with the first item to play."""
        key = (len(paths), paths[0] if paths else "", rule)
        if key not in self.templates:
            template = os.path.join(self.bench.work, "players", self.name, f"SysConfig-{len(self.templates)}")
            write_database(template, paths, rule)
            self.templates[key] = template
        shutil.copyfile(self.templates[key], self.database)

    def stored_count(self):
        with sqlite3.connect(self.database) as db:
            return db.execute("select count(*) from play_list").fetchone()[0]


def write_database(path, paths, rule):
    if os.path.exists(path):
        os.remove(path)
    with open(os.path.join(ROOT, "data", "schema.sql")) as schema, sqlite3.connect(path) as db:
        db.executescript(schema.read())
        db.execute("insert into sys values (?, 30, 2, 0, ' ', 5, 0, 0, 1, 0, 100)", (rule,))
        db.executemany("insert into play_list values (?, ?, ?, ?, ?)",
                       ((f"F20261208{i:08d}", os.path.basename(p), p, 1 if i == 0 else 0, i + 1)
                        for i, p in enumerate(paths)))


def run(command, **kwargs):
    subprocess.run(command, check=True, **kwargs)


def ffmpeg(args):
    run(["ffmpeg", "-hide_banner", "-loglevel", "error", "-nostdin", "-y"] + args)


def wait_for_exit(pid, timeout=60):
    """Milliseconds until the process ends (it is reaped when it is this process's child); None on time-out."""
    start = time.monotonic()
    try:
        fd = os.pidfd_open(pid)
    except ProcessLookupError:
        return 0.0
    poller = select.poll()
    poller.register(fd, select.POLLIN)
    ended = bool(poller.poll(timeout * 1000))
    ms = (time.monotonic() - start) * 1000
    os.close(fd)
    if ended:
        try:
            os.waitpid(pid, 0)
        except ChildProcessError:
            pass
    return ms if ended else None


def terminate(pid, timeout=60):
    """SIGTERM, then the milliseconds until the process has ended; it is killed after the time-out."""
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        return 0.0
    ms = wait_for_exit(pid, timeout)
    if ms is None:
        os.kill(pid, signal.SIGKILL)
        wait_for_exit(pid)
    return ms


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def memory_kib(pid, key):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(key + ":"):
                return int(line.split()[1])
    return None


def mpv_command(output, *extra):
    """mpv as the player's libmpv engine runs (software GL through EGL on X11), or with the given output."""
    outputs = {
        "gpu": ["--vo=gpu", "--gpu-sw=yes", "--gpu-context=x11egl"],
        "x11": ["--vo=x11"],
    }
    return ["mpv", "--no-config", "--really-quiet", "--hwdec=no", "--ao=null", f"--geometry={VIDEO_GEOMETRY}",
            "--no-border"] + outputs[output] + list(extra)
