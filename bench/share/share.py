"""tidyra-cli organize and undo on an sshfs mount, against the floor of the same mount.

sshfs runs in passive mode with its stdin and stdout wired to a local sftp-server: the
real SFTP protocol and the real sshfs, with no SSH daemon and no socket. With --latency,
a relay between the two holds every chunk for that many milliseconds in each direction,
as a LAN (0.5 ms) or Wi-Fi (2 ms) would. The floor is bench/Baseline's: one listing, one
existence check and one plain rename per file (sshfs has no renameat2 flags)."""

import argparse
import os
import queue
import re
import statistics
import subprocess
import sys
import tempfile
import threading
import time

SFTP_SERVER = "/usr/lib/openssh/sftp-server"
EXTENSIONS = ["jpg", "png", "JPG", "pdf", "txt", "mp3", "zip", "cpp", "xyz", "docx"]


def relay(source, target, delay):
    """Copies source to target, each chunk `delay` seconds after it was read, in order."""
    held = queue.Queue()

    def read():
        while data := os.read(source, 65536):
            held.put((time.monotonic() + delay, data))
        held.put((0, b""))

    def write():
        while True:
            due, data = held.get()
            if not data:
                break
            if (wait := due - time.monotonic()) > 0:
                time.sleep(wait)
            os.write(target, data)
        os.close(target)

    for job in (read, write):
        threading.Thread(target=job, daemon=True).start()


class Share:
    def __init__(self, work, latency_ms):
        self.served = os.path.join(work, "served")
        self.point = os.path.join(work, "mount")
        os.makedirs(self.served)
        os.makedirs(self.point)
        delay = latency_ms / 1000
        server_in, client_out = os.pipe() if delay == 0 else self.delayed(delay)
        client_in, server_out = os.pipe() if delay == 0 else self.delayed(delay)
        self.processes = [
            subprocess.Popen([SFTP_SERVER], stdin=server_in, stdout=server_out,
                             stderr=subprocess.DEVNULL),
            subprocess.Popen(["sshfs", "-f", "-o", "passive", f"localhost:{self.served}",
                              self.point], stdin=client_in, stdout=client_out,
                             stderr=subprocess.DEVNULL)]
        for fd in (server_in, client_out, client_in, server_out):
            os.close(fd)
        for _ in range(100):
            if os.path.ismount(self.point):
                return
            time.sleep(0.1)
        self.close()
        sys.exit("sshfs did not mount")

    @staticmethod
    def delayed(delay):
        """A pipe pair whose reading end sees what was written `delay` seconds later."""
        reader, relay_in = os.pipe()
        relay_out, writer = os.pipe()
        relay(relay_out, relay_in, delay)
        return reader, writer

    def close(self):
        subprocess.run(["fusermount", "-u", "-z", self.point], stderr=subprocess.DEVNULL)
        for process in self.processes:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()


def folder_of(share, count, label):
    """A new folder on the share holding `count` empty files, made through the mount."""
    folder = os.path.join(share.point, label)
    os.mkdir(folder)
    for i in range(count):
        name = f"file{i:07d}.{EXTENSIONS[i % len(EXTENSIONS)]}"
        os.close(os.open(os.path.join(folder, name), os.O_WRONLY | os.O_CREAT | os.O_EXCL))
    return folder


def timed(command, env):
    start = time.monotonic()
    subprocess.run(command, env=env, check=True, stdout=subprocess.DEVNULL)
    return (time.monotonic() - start) * 1000


def measure(args, latency_ms, env):
    floor_organize, floor_undo, organize, undo = [], [], [], []
    with tempfile.TemporaryDirectory(dir=args.work) as work:
        share = Share(work, latency_ms)
        try:
            # Taken in turn, so that both see the same machine and the same server.
            for round_ in range(args.repetitions):
                folder = folder_of(share, args.files, f"floor-{round_}")
                line = subprocess.run([args.baseline, folder], check=True, text=True,
                                      capture_output=True).stdout
                ms = {step: float(value) for step, value in
                      re.findall(r"(plan|organize|undo) ([0-9.]+) ms", line)}
                floor_organize.append(ms["plan"] + ms["organize"])
                floor_undo.append(ms["undo"])
                folder = folder_of(share, args.files, f"cli-{round_}")
                organize.append(timed([args.cli, "organize", folder], env))
                undo.append(timed([args.cli, "undo", folder], env))
        finally:
            share.close()
    return [statistics.median(v) for v in (organize, floor_organize, undo, floor_undo)]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", required=True)
    parser.add_argument("--baseline", required=True)
    parser.add_argument("--files", type=int, default=2000)
    parser.add_argument("--repetitions", type=int, default=3)
    parser.add_argument("--latency", default="0,0.5", help="ms each way, comma-separated")
    parser.add_argument("--work", default="/var/tmp")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(dir="/dev/shm") as state:
        # The journal stays on the local disk, as it does for a user of a share.
        env = dict(os.environ, XDG_STATE_HOME=state)
        print(f"{'files':>6} {'latency':>8} {'organize ms':>12} {'floor ms':>9} {'ratio':>6}"
              f" {'undo ms':>9} {'floor ms':>9} {'ratio':>6}")
        for latency in (float(v) for v in args.latency.split(",")):
            o, fo, u, fu = measure(args, latency, env)
            print(f"{args.files:>6} {latency:>6.1f}ms {o:>12.1f} {fo:>9.1f} {o / fo:>6.2f}"
                  f" {u:>9.1f} {fu:>9.1f} {u / fu:>6.2f}")
    print("targets: organize at most 1.5x the floor without added latency, 1.3x with 0.5 ms;"
          " undo at most 1.5x")


if __name__ == "__main__":
    main()
