#!/usr/bin/env python3
"""End-to-end runs of Setup.exe under Wine on a virtual screen.

Each case starts Setup.exe in a fresh Wine prefix, drives it with the keyboard and the mouse
(xdotool) as a person would, reads what the pages show (peek.exe lists the windows and their
controls), and checks what the person and the file system see afterwards. Each case saves a
screenshot of its last page under the output folder; a failure says which step did not appear.
"""

import argparse
import os
import re
import shutil
import signal
import stat
import subprocess
import sys
import time
import traceback

LABVIEW = r"C:\Program Files\National Instruments\LabVIEW 7.0"
LABVIEW_KEY = r"HKLM\Software\National Instruments\LabVIEW\CurrentVersion"
RUNONCE_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\RunOnce"
MANUAL = r"instr.lib\LH7400\Documentation\KTR 7400 LabView Driver Manual.pdf"
GROUP = r"ProgramData\Microsoft\Windows\Start Menu\Programs\Larkhaven"
DESKTOP = r"users\Public\Desktop"


class StepError(Exception):
    """A step of a case did not happen as a person would expect."""


class Control:
    def __init__(self, fields, text):
        self.id = int(fields["id"])
        self.cls = fields["class"]
        self.visible = fields["visible"] == "1"
        self.enabled = fields["enabled"] == "1"
        self.focus = fields["focus"] == "1"
        self.checked = fields.get("checked") == "1"
        self.rect = [int(v) for v in fields["rect"].split(",")]
        self.text = text
        self.items = []
        self.selected = -1


class Window:
    def __init__(self, fields, caption):
        self.cls = fields["class"]
        self.enabled = fields["enabled"] == "1"
        self.rect = [int(v) for v in fields["rect"].split(",")]
        self.caption = caption
        self.controls = []

    def control(self, control_id):
        for c in self.controls:
            if c.id == control_id:
                return c
        raise StepError(f'page "{self.caption}" has no control {control_id}')


def unescape(text):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "r": "\r"}.get(m.group(1), m.group(1)), text)


def parse_fields(line):
    head, _, rest = line.partition(' text="') if " text=" in line else line.partition(' caption="')
    fields = dict(f.split("=", 1) for f in head.split()[1:] if "=" in f)
    return fields, unescape(rest[:-1])


def parse_peek(output):
    windows = []
    for line in output.splitlines():
        if line.startswith("WINDOW "):
            fields, caption = parse_fields(line)
            windows.append(Window(fields, caption))
        elif line.startswith("  CONTROL ") and windows:
            fields, text = parse_fields(line.strip())
            windows[-1].controls.append(Control(fields, text))
        elif line.startswith("    ITEM ") and windows and windows[-1].controls:
            windows[-1].controls[-1].items.append(unescape(line.split('"', 1)[1][:-1]))
        elif line.startswith("    SELECTED ") and windows and windows[-1].controls:
            windows[-1].controls[-1].selected = int(line.split()[1])
    return windows


def x_regex(caption):
    return "^" + re.sub(r"([.\[\]()*+?^$|\\{}])", r"\\\1", caption) + "$"


class Display:
    """A virtual screen of its own, so the runs never meet another program's windows."""

    def __init__(self):
        # Xvfb picks a free display number itself and tells it through the pipe, so harnesses
        # started at the same moment never share a screen.
        read_end, write_end = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten",
             "tcp"], pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.name = f":{number}"

    def close(self):
        self.proc.terminate()
        self.proc.wait()


class Case:
    """One run of Setup.exe in a fresh prefix copied from the template."""

    def __init__(self, harness, name):
        self.h = harness
        self.name = name
        self.dir = os.path.join(harness.out, name)
        shutil.rmtree(self.dir, ignore_errors=True)
        os.makedirs(self.dir)
        self.prefix = os.path.join(self.dir, "prefix")
        subprocess.run(["cp", "-a", harness.template, self.prefix], check=True)
        self.env = dict(os.environ, WINEPREFIX=self.prefix, WINEARCH="win32", WINEDEBUG="-all",
                        DISPLAY=harness.display.name)
        # Wine's menu builder would copy the shortcuts into the Linux desktop's menus.
        self.env["WINEDLLOVERRIDES"] = "winemenubuilder.exe=d"
        self.proc = None
        self.last = None
        self.shots = 0
        dist = self.host(r"C:\dist")
        os.makedirs(dist)
        shutil.copy(harness.setup, os.path.join(dist, "Setup.exe"))
        # A restart of the Wine session runs this once, which shows that one was requested.
        self.wine(["reg", "add", RUNONCE_KEY, "/v", "marker", "/d",
                   r"cmd /c echo restarted> C:\restarted.txt", "/f"])

    # -- the prefix ---------------------------------------------------------------------------
    def host(self, path):
        """The Linux path of a path on the prefix's drive C:."""
        assert path[:3].upper() == "C:\\"
        return os.path.join(self.prefix, "drive_c", *[p for p in path[3:].split("\\") if p])

    def wine(self, args, check=True, timeout=60):
        return subprocess.run(["wine"] + args, env=self.env, check=check, timeout=timeout,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)

    def install_labview(self, folder=LABVIEW, make_folder=True):
        self.wine(["reg", "add", LABVIEW_KEY, "/v", "Path", "/d", folder, "/f"])
        if make_folder:
            os.makedirs(self.host(folder), exist_ok=True)

    def explorer_pids(self):
        pids = []
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/environ", "rb") as f:
                    env = f.read().split(b"\0")
                with open(f"/proc/{pid}/cmdline", "rb") as f:
                    cmd = f.read().lower()
            except OSError:
                continue
            if f"WINEPREFIX={self.prefix}".encode() in env and b"explorer.exe" in cmd:
                pids.append(int(pid))
        return pids

    # -- the program --------------------------------------------------------------------------
    def start(self, *args):
        self.wine(["cmd", "/c", "echo"])  # the prefix's services and desktop are up
        self.proc = subprocess.Popen(["wine", r"C:\dist\Setup.exe"] + list(args), env=self.env,
                                     cwd=self.host(r"C:\dist"), stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)

    def windows(self):
        out = self.wine([self.h.peek], check=False).stdout
        return parse_peek(out)

    def wait_page(self, caption, timeout=60):
        deadline = time.time() + timeout
        seen = []
        while time.time() < deadline:
            seen = self.windows()
            for w in seen:
                if w.caption == caption and w.cls == "#32770":
                    self.last = w
                    time.sleep(0.3)  # let it finish painting
                    return w
            if self.proc.poll() is not None:
                break
            time.sleep(0.3)
        state = "ended" if self.proc.poll() is not None else "running"
        raise StepError(f'page "{caption}" did not appear (Setup.exe {state}; windows: '
                        + ", ".join(f'"{w.caption}"' for w in seen) + ")")

    def screenshot(self, label):
        self.shots += 1
        path = os.path.join(self.dir, f"{self.shots:02d}-{label}.png")
        subprocess.run(["import", "-display", self.h.display.name, "-window", "root", path],
                       check=False, stderr=subprocess.DEVNULL)
        return path

    def focus(self, caption):
        subprocess.run(["xdotool", "search", "--sync", "--name", x_regex(caption),
                        "windowfocus", "--sync"], env=self.env, check=True, timeout=30,
                       stdout=subprocess.DEVNULL)

    def key(self, caption, key):
        self.focus(caption)
        subprocess.run(["xdotool", "key", key], env=self.env, check=True)

    def click(self, page, control_id):
        c = page.control(control_id)
        x = (c.rect[0] + c.rect[2]) // 2
        y = (c.rect[1] + c.rect[3]) // 2
        self.focus(page.caption)
        subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "1"],
                       env=self.env, check=True)

    def gone(self, caption, timeout=30):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if not any(w.caption == caption for w in self.windows()):
                return
            time.sleep(0.2)
        raise StepError(f'page "{caption}" did not close')

    def wait_exit(self, timeout=120):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise StepError("Setup.exe did not end") from None

    def close(self):
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
        subprocess.run(["wineserver", "-k"], env=self.env, check=False)
        # The prefix is large; keep only the screenshots unless asked to keep it.
        if not self.h.keep:
            shutil.rmtree(self.prefix, ignore_errors=True)


# -- checks ------------------------------------------------------------------------------------
def expect(condition, message):
    if not condition:
        raise StepError(message)


def running(pid):
    """Whether the process exists and has not ended (a zombie has)."""
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def tree_files(root):
    files = {}
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            files[os.path.relpath(path, root)] = path
    return files


def check_installed(case, sample_tree, folder=LABVIEW):
    target = case.host(folder)
    expected = tree_files(sample_tree)
    installed = tree_files(target)
    expect(set(installed) == set(expected),
           f"{len(installed)} files below the LabVIEW folder, {len(expected)} expected")
    for rel, path in expected.items():
        with open(path, "rb") as a, open(installed[rel], "rb") as b:
            expect(a.read() == b.read(), f"{rel} differs from the sample")
        expect(not os.stat(installed[rel]).st_mode & stat.S_IWUSR, f"{rel} is not read-only")
    return len(installed)


def lnkinfo(path):
    out = subprocess.run(["lnkinfo", path], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                         text=True).stdout
    info = {}
    for line in out.splitlines():
        if ":" in line:
            k, _, v = line.partition(":")
            info[k.strip().lower()] = v.strip()
    return info, out


def check_link(case, link, target, workdir):
    path = case.host("C:\\" + link)
    expect(os.path.isfile(path), f"shortcut {link} is missing")
    info, out = lnkinfo(path)
    text = out.lower()
    expect(target.lower() in text, f"shortcut {link} does not point to {target}:\n{out}")
    expect(workdir.lower() in text, f"shortcut {link} does not start in {workdir}:\n{out}")


# -- the cases ---------------------------------------------------------------------------------
def walk_to_confirmation(case, folder_text):
    page = case.wait_page("Welcome...")
    expect("KTR-7400 GPIB Interface" in page.control(1000).text, "welcome text")
    case.screenshot("welcome")
    case.key("Welcome...", "Return")
    page = case.wait_page("License Agreement")
    case.screenshot("agreement")
    case.click(page, 1)  # "Yes"
    page = case.wait_page("Select Option")
    case.screenshot("options")
    case.key("Select Option", "Return")
    page = case.wait_page("Select Installation Directory")
    edit = page.control(1004)
    expect(edit.text == folder_text, f'folder page shows "{edit.text}", not "{folder_text}"')
    case.screenshot("folder")
    case.key("Select Installation Directory", "Return")
    return case.wait_page("Attention...")


def case_typical(case):
    case.install_labview()
    case.start()
    page = walk_to_confirmation(case, LABVIEW + "\\")
    expect(f"<{LABVIEW}>" in page.control(1000).text, "confirmation names the folder")
    case.screenshot("confirm")
    started = time.time()
    case.click(page, 1)  # "Next >>>"
    page = case.wait_page("Installation Complete...", timeout=300)
    elapsed = time.time() - started
    case.screenshot("complete")
    case.key("Installation Complete...", "Return")
    code = case.wait_exit()
    expect(code == 0, f"exit code {code}")
    count = check_installed(case, case.h.sample)
    doc = LABVIEW + r"\instr.lib\LH7400\Documentation"
    manual = LABVIEW + "\\" + MANUAL
    check_link(case, GROUP + r"\KTR7400 LabView Driver Manual.lnk", manual, doc)
    check_link(case, GROUP + r"\LabView Application Examples.lnk", LABVIEW + r"\examples\LH7400",
               LABVIEW + r"\examples")
    check_link(case, DESKTOP + r"\KTR7400 LabView Driver Manual.lnk", manual, doc)
    expect(not os.path.exists(case.host(LABVIEW + r"\KTR7400 LabView Driver Manual.lnk")),
           "the helper shortcut in the LabVIEW folder was left behind")
    # The shell was asked to open the group folder.
    deadline = time.time() + 20
    while not any("Larkhaven" in w.caption for w in case.windows()):
        expect(time.time() < deadline, "the program group folder was not opened")
        time.sleep(0.5)
    case.screenshot("group-opened")
    expect(not os.path.exists(case.host(r"C:\restarted.txt")), "a restart was requested")
    return f"{count} files installed; confirmation to completion page {elapsed:.1f} s"


def case_cancel_welcome(case):
    case.install_labview()
    case.start()
    case.wait_page("Welcome...")
    case.screenshot("welcome")
    case.key("Welcome...", "Escape")
    code = case.wait_exit()
    expect(code == 0, f"exit code {code}")
    expect(tree_files(case.host(LABVIEW)) == {}, "files were written")
    expect(not os.path.exists(case.host("C:\\" + GROUP)), "a program group was made")
    expect(not os.path.exists(case.host(r"C:\restarted.txt")), "a restart was requested")


def case_no_agreement(case):
    case.install_labview()
    case.start()
    case.wait_page("Welcome...")
    case.key("Welcome...", "Return")
    page = case.wait_page("License Agreement")
    text = page.control(1001).text
    expect(text.count("\r\n\r\n") == 2, "the agreement shows three paragraphs")
    case.screenshot("agreement")
    case.click(page, 2)  # "No"
    code = case.wait_exit()
    expect(code == 0, f"exit code {code}")
    expect(tree_files(case.host(LABVIEW)) == {}, "files were written")
    expect(not os.path.exists(case.host("C:\\" + GROUP)), "a program group was made")


def case_autorun(case):
    case.install_labview()
    case.start("-autorun")
    case.wait_page("Welcome...")
    before = case.explorer_pids()
    expect(before, "no explorer.exe runs in the prefix")
    case.screenshot("welcome")
    case.key("Welcome...", "Escape")
    code = case.wait_exit()
    expect(code == 0, f"exit code {code}")
    deadline = time.time() + 60
    while not os.path.exists(case.host(r"C:\restarted.txt")):
        expect(time.time() < deadline, "no restart was requested")
        time.sleep(0.5)
    deadline = time.time() + 30
    while True:
        alive = [pid for pid in before if running(pid)]
        if not alive:
            break
        expect(time.time() < deadline, f"explorer.exe processes {alive} were not ended")
        time.sleep(0.5)


def case_acrobat(case):
    case.install_labview()
    acro = case.host(r"C:\dist\AcroRead")
    os.makedirs(acro)
    shutil.copy(case.h.standin, os.path.join(acro, "Setup.exe"))
    case.start("-restart")
    case.wait_page("Welcome...")
    case.key("Welcome...", "Return")
    page = case.wait_page("License Agreement")
    case.key("License Agreement", "Return")
    page = case.wait_page("Select Option")
    for box in (1008, 1009, 1010, 1011):
        c = page.control(box)
        expect(c.checked and c.enabled, f"option {box} is not checked and enabled")
    for box in (1008, 1009, 1010):  # leave only the Acrobat Reader choice
        case.click(page, box)
    page = case.wait_page("Select Option")
    expect([page.control(b).checked for b in (1008, 1009, 1010, 1011)]
           == [False, False, False, True], "only the Acrobat Reader box is checked")
    case.screenshot("acrobat-only")
    case.click(page, 1)  # "Next >>>"
    code = case.wait_exit()
    expect(code == 0, f"exit code {code}")
    # The installer runs on after Setup.exe has ended; give it time to write its record.
    record = os.path.join(acro, "record.txt")
    deadline = time.time() + 30
    while not os.path.exists(record):
        expect(time.time() < deadline, "the Acrobat Reader installer was not started")
        time.sleep(0.3)
    with open(record) as f:
        lines = f.read().splitlines()
    expect(lines[0] == r"C:\dist\AcroRead\Setup.exe",
           f'the installer got the command line "{lines[0]}"')
    expect(tree_files(case.host(LABVIEW)) == {}, "files were written")
    time.sleep(3)
    expect(not os.path.exists(case.host(r"C:\restarted.txt")), "a restart followed")


def case_folder_error(case):
    # The LabVIEW folder lies below a file, so it can never be created.
    folder = r"C:\blocker\LabVIEW"
    case.install_labview(folder, make_folder=False)
    with open(case.host(r"C:\blocker"), "w") as f:
        f.write("a file, not a folder")
    case.start()
    page = walk_to_confirmation(case, folder + "\\")
    expect("does not exist" in page.control(1000).text, "the missing-folder confirmation")
    expect(f"<{folder}>" in page.control(1000).text, "confirmation names the folder")
    case.key("Attention...", "Return")
    page = case.wait_page("Installation Error!!!")
    expect(page.control(1000).text.startswith("An error occurred while attempting to create "
                                              "the installation directory."), "error text")
    expect(not page.control(2).visible, "the error page shows one button")
    case.screenshot("error")
    case.key("Installation Error!!!", "Return")
    code = case.wait_exit()
    expect(code == 0, f"exit code {code}")
    expect(not os.path.exists(case.host("C:\\" + GROUP)), "a program group was made")
    expect(not os.path.exists(case.host(LABVIEW)) or tree_files(case.host(LABVIEW)) == {},
           "files were written")


CASES = {
    "typical": case_typical,
    "cancel-welcome": case_cancel_welcome,
    "no-agreement": case_no_agreement,
    "autorun": case_autorun,
    "acrobat": case_acrobat,
    "folder-error": case_folder_error,
}


class Harness:
    def __init__(self, args):
        self.setup = args.setup
        self.peek = args.peek
        self.standin = args.standin
        self.sample = args.sample
        self.out = os.path.abspath(args.out)
        self.keep = args.keep
        os.makedirs(self.out, exist_ok=True)
        self.display = Display()
        self.template = os.path.join(self.out, "template-prefix")
        if not os.path.exists(os.path.join(self.template, "system.reg")):
            shutil.rmtree(self.template, ignore_errors=True)
            # Made like the tests' own prefix: Wine's fonts in place, windows unmanaged.
            deps = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "scripts", "deps.sh")
            env = dict(os.environ, DISPLAY=self.display.name)
            subprocess.run(["bash", "-c", 'source "$0" && setup_wine_prefix_at "$1"', deps,
                            self.template], env=env, check=True, stdout=subprocess.DEVNULL)

    def run(self, names):
        failed = 0
        for name in names:
            case = Case(self, name)
            started = time.time()
            try:
                note = CASES[name](case)
                print(f"PASS {name} ({time.time() - started:.1f} s)" + (f": {note}" if note else ""))
            except Exception as error:  # every failure is reported, the other cases still run
                failed += 1
                shot = case.screenshot("failure")
                print(f"FAIL {name}: {error}\n  screenshot: {shot}")
                if not isinstance(error, StepError):
                    traceback.print_exc()
            finally:
                case.close()
            sys.stdout.flush()
        print(f"{len(names) - failed} passed, {failed} failed")
        return failed

    def close(self):
        self.display.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--setup", required=True, help="Setup.exe to run")
    parser.add_argument("--peek", required=True, help="the window reader, peek.exe")
    parser.add_argument("--standin", required=True, help="stand-in Acrobat Reader installer")
    parser.add_argument("--sample", required=True, help="the sample tree the payload holds")
    parser.add_argument("--out", required=True, help="folder for screenshots and prefixes")
    parser.add_argument("--keep", action="store_true", help="keep each case's Wine prefix")
    parser.add_argument("--prepare", action="store_true",
                        help="only make the template prefix the cases start from")
    parser.add_argument("cases", nargs="*", default=list(CASES), help="cases to run")
    args = parser.parse_args()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    harness = Harness(args)
    try:
        if args.prepare:
            return 0
        return 1 if harness.run(args.cases) else 0
    finally:
        harness.close()


if __name__ == "__main__":
    sys.exit(main())
