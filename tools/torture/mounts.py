"""The file systems a scenario runs on: each is made, mounted and mounted again by the
harness itself, in its own work folder, and torn down after. Nothing here starts a
service: sshfs talks to a private sftp-server over two pipes."""

import os
import shutil
import subprocess
import tempfile
import time

SFTP_SERVER = "/usr/lib/openssh/sftp-server"


class Unavailable(Exception):
    """This machine cannot mount the file system; the reason says why."""


def _run(*command):
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        raise Unavailable(f"{command[0]}: {(result.stderr or result.stdout).strip()[-200:]}")
    return result.stdout.strip()


def _need(*programs):
    for program in programs:
        if not (shutil.which(program) or os.access(program, os.X_OK)):
            raise Unavailable(f"{program} is not installed")


def _wait_mounted(point, process=None):
    for _ in range(50):
        if os.path.ismount(point):
            return
        if process is not None and process.poll() is not None:
            break
        time.sleep(0.1)
    raise Unavailable(f"{point} did not appear as a mount")


class Mount:
    """One file system at `self.point`. `remount` unmounts and mounts it again (as a
    stick plugged in again); tmpfs cannot keep its files over that, so it does not."""

    can_remount = True
    fuse = False

    def __init__(self, name, work):
        self.name = name
        self.work = os.path.join(work, name)
        self.point = os.path.join(self.work, "mnt")
        self.image = os.path.join(self.work, "image")
        self.loop = None
        os.makedirs(self.point, exist_ok=True)

    def setup(self):
        if os.geteuid() != 0:
            raise Unavailable("needs root to mount")
        self.make()
        self.mount()

    def make(self):
        pass

    def unmount(self):
        if not os.path.ismount(self.point) or self.point == self.work:
            return
        command = ["fusermount", "-u", self.point] if self.fuse else ["umount", self.point]
        for _ in range(20):
            if subprocess.run(command, capture_output=True).returncode == 0:
                break
            time.sleep(0.2)  # a killed program's handle can keep it busy for a moment
        else:
            subprocess.run(["umount", "-l", self.point], capture_output=True)
        self.after_unmount()

    def after_unmount(self):
        pass

    def remount(self):
        self.unmount()
        self.mount()

    def teardown(self):
        self.unmount()
        if self.loop:
            subprocess.run(["losetup", "-d", self.loop], capture_output=True)
            self.loop = None
        shutil.rmtree(self.work, ignore_errors=True)

    def _image(self, size_mb, *mkfs):
        with open(self.image, "wb") as image:
            image.truncate(size_mb << 20)
        _run(*mkfs, self.image)

    def _attach(self):
        _need("losetup")
        self.loop = _run("losetup", "-f", "--show", self.image)


class Tmpfs(Mount):
    """Its own tmpfs as root; otherwise a folder in /dev/shm, which is one too."""

    can_remount = False

    def setup(self):
        if os.geteuid() == 0:
            return super().setup()
        if not os.path.isdir("/dev/shm"):
            raise Unavailable("needs root to mount, and there is no /dev/shm")
        shutil.rmtree(self.work)
        self.work = tempfile.mkdtemp(prefix="tidyra-torture.", dir="/dev/shm")
        self.point = self.work
        return None

    def mount(self):
        _run("mount", "-t", "tmpfs", "-o", "size=128m", "tidyra-torture", self.point)


class Ext4(Mount):
    def make(self):
        _need("mkfs.ext4")
        self._image(64, "mkfs.ext4", "-q", "-F")
        self._attach()

    def mount(self):
        _run("mount", self.loop, self.point)


class Exfat(Mount):
    fuse = True

    def make(self):
        _need("mkfs.exfat", "mount.exfat-fuse")
        self._image(64, "mkfs.exfat")
        self._attach()

    def mount(self):
        _run("mount.exfat-fuse", self.loop, self.point)
        _wait_mounted(self.point)


class Ntfs(Mount):
    fuse = True

    def make(self):
        _need("mkntfs", "ntfs-3g")
        self._image(64, "mkntfs", "-F", "-Q", "-q")
        self._attach()

    def mount(self):
        _run("ntfs-3g", self.loop, self.point)
        _wait_mounted(self.point)


class Vfat(Mount):
    fuse = True

    def make(self):
        _need("mkfs.vfat", "fusefat")
        self._image(64, "mkfs.vfat")

    def mount(self):
        _run("fusefat", "-o", "rw+", self.image, self.point)
        _wait_mounted(self.point)


class Sshfs(Mount):
    """sshfs in passive mode, its stdin and stdout wired to a local sftp-server: the
    real SFTP protocol and the real sshfs, with no ssh daemon and no socket."""

    fuse = True

    def make(self):
        _need("sshfs", SFTP_SERVER, "fusermount")
        self.served = os.path.join(self.work, "served")
        os.makedirs(self.served, exist_ok=True)
        self.processes = []

    def mount(self):
        to_server_r, to_server_w = os.pipe()
        to_client_r, to_client_w = os.pipe()
        server = subprocess.Popen([SFTP_SERVER], stdin=to_server_r, stdout=to_client_w,
                                  stderr=subprocess.DEVNULL)
        client = subprocess.Popen(
            ["sshfs", "-f", "-o", "passive", f"localhost:{self.served}", self.point],
            stdin=to_client_r, stdout=to_server_w, stderr=subprocess.DEVNULL)
        for fd in (to_server_r, to_server_w, to_client_r, to_client_w):
            os.close(fd)
        self.processes = [client, server]
        _wait_mounted(self.point, client)

    def after_unmount(self):
        for process in self.processes:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self.processes = []


KINDS = {"tmpfs": Tmpfs, "ext4": Ext4, "exfat": Exfat, "ntfs": Ntfs, "sshfs": Sshfs,
         "vfat": Vfat}
