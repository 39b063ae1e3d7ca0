#!/usr/bin/python3
"""The real program driven as a user with a screen reader drives it, through the accessibility
bus (run under run-under-atspi): an install of a selection on the demo machine, the removal of
some of what it installed through MsiExec, and an install as the child of a parent installer.
Every accessible name met on the way is listed, and each one that the pages must have is
looked for. Then an install with the keyboard alone, key presses sent to the real window
(xdotool), the accessibility bus only watching where the focus is.

With a language's code as its argument (de, ar) the program runs in that language, chosen as the
user's display language chooses it, and every name and text is looked for as the language's
translation (translations/ChipsetInstaller_<code>.ts) gives it."""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree

import pyatspi

PACKAGE_ROOT = os.environ["PACKAGE_ROOT"]
SOURCE_DIR = os.environ["SOURCE_DIR"]
PROGRAM = os.path.join(PACKAGE_ROOT, "Bin", "ChipsetInstaller")
PARENT = os.path.join(PACKAGE_ROOT, "Tools", "ParentInstaller")
PRODUCT_CODE = "{7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E47}"
LOG_FOLDER = "Zorva/Chipset_Driver_Installer/Logs"

# The demo machine's drivers and the installer property of each.
DEMO_DRIVERS = {
    "Zorva Quickwake Technology ACPI Driver": "QW4ACPI",
    "Zorva SMBus Driver": "SMBUS",
    "Zorva PCI Device Driver": "PCI",
    "Zorva I2C Driver": "I2C",
    "Zorva UART Driver": "UART",
    "Zorva GPIO Driver": "GPIO2",
    "Zorva SQP Driver": "SQP",
    "Zorva Consumer Infrared Driver": "CIR",
    "Zorva SPI Driver": "SPI",
    "Zorva MicroPEP Driver": "UPEP",
}
# Those that a removal may not name on their own: the uninstall page does not offer them.
NOT_REMOVABLE_ALONE = ["Zorva GPIO Driver", "Zorva I2C Driver", "Zorva SPI Driver"]
CLEARED_AT_INSTALL = ["Zorva SMBus Driver", "Zorva UART Driver"]
CLEARED_AT_REMOVAL = ["Zorva PCI Device Driver"]

# The accessible names the pages must have, by where they are met, with their descriptions
# (None: any). All are buttons but the log links.
NAMED = {
    "install page": {
        "CancelButton": "shows cancel window pop-up",
        "DisplayEula": "displays Chipset Driver End User License Agreement",
        "ComponentInstallation": "Setup will Install the selected components from the window",
        "OpenZorvaWebsite": "Will open the Zorva website on click",
        "ZorvaLogo": None,
        "minimizeButton": "shrinks installer window to taskbar",
        "closeButton": "terminates installer",
    },
    "licence page": {"EulaAccepted ": "EULA is accepted"},
    "quit confirmation": {
        "noButton": "Doesn't terminate installer",
        "yesButton": "Terminates installer window",
    },
    "install result": {
        "ViewInstallationLog": "Will open Installation log file",
        "CloseInstallationWindow": "Installation completed, Close Installation window",
    },
    "uninstall page": {
        "CancelUninstallation": "Terminates uninstallation screen",
        "ComponentUninstall": "Selected componets will be Uninstalled",
    },
    "uninstall result": {
        "ViewUninstallationLog": "Will open Uninstallation log file",
        "Finish Uninstallation": "Terminates the installer window",
    },
    "smart-installer page": {
        "SmartInstallerCancelInstallationButton": "Terminates Smart Installer Installation window",
        "SmartInstallerSkipInstallationButton":
            "Installation will be skipped and won't install any component",
        "SmartInstallerInstallButton": "Selected Smart Installer components will be Installed",
        "DisplaySmartInstallerEula": "displays Smart Installer End User License Agreement",
    },
}

TIMEOUT = 60

# How each language is made the user's display language: the variables that Qt reads for it.
LANGUAGE_ENVIRONMENT = {
    "en": {},
    "de": {"LANGUAGE": "de_DE:en_US"},
    "ar": {"LC_ALL": "ar_SA.UTF-8", "LANGUAGE": None},
}
LANGUAGE = sys.argv[1] if len(sys.argv) > 1 else "en"
TRANSLATIONS = {}


def load_translations():
    """The language's translation of every source text, from its .ts file."""
    if LANGUAGE == "en":
        return
    path = os.path.join(SOURCE_DIR, "translations", "ChipsetInstaller_%s.ts" % LANGUAGE)
    for message in xml.etree.ElementTree.parse(path).iter("message"):
        TRANSLATIONS.setdefault(message.findtext("source"), message.findtext("translation"))


def tr(text):
    """The text as the program shows it in the language."""
    return TRANSLATIONS.get(text, text) if text is not None else None


def english(name):
    """A driver's English name, for the name a tile shows."""
    return {tr(driver): driver for driver in DEMO_DRIVERS}.get(name, name)


def description_of(name):
    """The description the pages give the control of that name, where the test knows it."""
    for named in NAMED.values():
        if named.get(name):
            return named[name]
    return None


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe() until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            result = probe()
        except Exception:  # an object that went away while it was read
            result = None
        if result:
            return result
        time.sleep(0.05)
    raise Failure("timed out waiting for " + what)


def walk(node):
    """The accessible objects below node, depth first."""
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is None:
            continue
        yield child
        yield from walk(child)


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def visible(accessible):
    """Shown, or only scrolled out of view."""
    return accessible.getState().contains(pyatspi.STATE_VISIBLE)


def checked(accessible):
    return accessible.getState().contains(pyatspi.STATE_CHECKED)


class Program:
    """The installer as the accessibility bus shows it."""

    def __init__(self, name):
        self.name = name
        self.app = None

    def attach(self, pid=None):
        def find():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == "ChipsetInstaller" and (
                        pid is None or app.get_process_id() == pid):
                    return app
            return None
        self.app = wait_for(self.name + " on the accessibility bus", find)

    def find(self, name, role=pyatspi.ROLE_PUSH_BUTTON):
        """The showing object of that name and role (and description, where a translation
        gives two controls one name), or None."""
        description = tr(description_of(name))
        for accessible in walk(self.app):
            if accessible.name == tr(name) and accessible.getRole() == role \
                    and showing(accessible) \
                    and (description is None or accessible.description == description):
                return accessible
        return None

    def wait(self, name, role=pyatspi.ROLE_PUSH_BUTTON, timeout=TIMEOUT):
        return wait_for('"%s" in %s' % (name, self.name), lambda: self.find(name, role), timeout)

    def press(self, name):
        accessible = self.wait(name)
        accessible.queryAction().doAction(0)
        return accessible

    def names(self):
        """{name: [(role, description), ...]} of every showing named object."""
        found = {}
        for accessible in walk(self.app):
            if accessible.name and showing(accessible):
                found.setdefault(accessible.name, []).append(
                    (accessible.getRoleName(), accessible.description))
        return found

    def clear(self, names):
        """Presses the tiles of those drivers, which are checked, and waits until they are not."""
        for name in names:
            self.tiles()[name].queryAction().doAction(0)
            wait_for(name + " cleared", lambda: not checked(self.tiles()[name]))

    def tiles(self):
        """The driver tiles of the page, those scrolled out of view too: {name: accessible}."""
        return {english(a.name): a for a in walk(self.app)
                if english(a.name) in DEMO_DRIVERS and a.getRole() == pyatspi.ROLE_PUSH_BUTTON
                and visible(a)}


class Run:
    """Everything one walk-through needs: its machine, its runtime folder, what it met."""

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="endtoend-")
        self.runtime = os.path.join(self.folder, "runtime")
        os.mkdir(self.runtime, 0o700)
        self.met = {}

    def machine(self, name, seconds=2):
        drive = os.path.join(self.folder, name)
        for sub in ("Windows/System32/config", "Windows/System32/wbem"):
            os.makedirs(os.path.join(drive, sub))
        with open(os.path.join(SOURCE_DIR, "package", "machine.json")) as source:
            description = json.load(source)
        description["network"] = {"defaultRoute": False}
        description["package"] = {"result": 0, "rebootStatus": "NO", "seconds": seconds}
        with open(os.path.join(drive, "Windows/System32/wbem/machine.json"), "w") as target:
            json.dump(description, target)
        with open(os.path.join(drive, "Windows/System32/config/HKLM.json"), "w") as hive:
            hive.write("{}")
        shutil.copy(os.path.join(PACKAGE_ROOT, "Tools", "MsiExec.exe"),
                    os.path.join(drive, "Windows/System32/MsiExec.exe"))
        return drive

    def environment(self, drive):
        environment = dict(os.environ)
        environment.update({"SystemDrive": drive, "XDG_RUNTIME_DIR": self.runtime,
                            "QT_QPA_PLATFORM": "xcb"})
        for variable, value in LANGUAGE_ENVIRONMENT[LANGUAGE].items():
            if value is None:
                environment.pop(variable, None)
            else:
                environment[variable] = value
        return environment

    def start(self, drive, arguments):
        log = open(os.path.join(self.folder, "program.log"), "ab")
        return subprocess.Popen([PROGRAM] + arguments, env=self.environment(drive),
                                stdout=log, stderr=subprocess.STDOUT)

    def note(self, where, program):
        """Keeps the names showing now, and checks those the pages must have here."""
        names = program.names()
        self.met[where] = names
        for name, description in NAMED.get(where, {}).items():
            check(tr(name) in names, '%s: no "%s" among %s' % (where, tr(name), sorted(names)))
            expected_role = "link" if name.startswith("View") else "push button"
            check(any(role == expected_role and (description is None or shown == tr(description))
                      for role, shown in names[tr(name)]),
                  '%s: "%s" is %s' % (where, tr(name), names[tr(name)]))

    def finish(self, process, what):
        try:
            code = process.wait(TIMEOUT)
        except subprocess.TimeoutExpired:
            process.kill()
            raise Failure(what + ": the program did not end")
        check(code == 0, "%s: the program ended with %d" % (what, code))

    def cleanup(self):
        shutil.rmtree(self.folder, ignore_errors=True)


def read(path):
    with open(path, encoding="utf-8", errors="replace") as file:
        return file.read()


def install_a_selection(run, drive):
    process = run.start(drive, [])
    program = Program("the installer")
    program.attach(process.pid)
    program.wait("ComponentInstallation")
    tiles = wait_for("ten tiles", lambda: len(program.tiles()) == 10 and program.tiles())
    check(sorted(tiles) == sorted(DEMO_DRIVERS), "tiles: %s" % sorted(tiles))
    check(all(checked(tile) for tile in tiles.values()), "a tile starts cleared")
    run.note("install page", program)

    program.clear(CLEARED_AT_INSTALL)

    # The licence page and back: the selection stays.
    program.press("DisplayEula")
    program.wait("EulaAccepted ")
    run.note("licence page", program)
    program.press("EulaAccepted ")
    program.wait("ComponentInstallation")
    for name, tile in program.tiles().items():
        check(checked(tile) == (name not in CLEARED_AT_INSTALL), name + " changed its state")

    # The header's close asks first; No goes back.
    program.press("closeButton")
    program.wait("noButton")
    run.note("quit confirmation", program)
    program.press("noButton")
    program.wait("ComponentInstallation")

    program.press("ComponentInstallation")
    program.wait("Installing Zorva Chipset Drivers...", pyatspi.ROLE_LABEL)
    # The carousel's caption shows during the run.
    wait_for("a caption", lambda: any(
        a.getRole() == pyatspi.ROLE_LABEL and showing(a) and a.name.startswith("Brisk ")
        for a in walk(program.app)))
    program.wait("CloseInstallationWindow")
    run.note("install result", program)

    # The setup program received the eight selected drivers, and only them.
    log = read(os.path.join(drive, LOG_FOLDER, "Zorva_Chipset_IODrivers.log"))
    received = set(re.findall(r"Adding SET(\w+) property\. Its value is 'YES'", log))
    expected = {switch for name, switch in DEMO_DRIVERS.items() if name not in CLEARED_AT_INSTALL}
    check(received == expected, "the setup program received %s" % sorted(received))
    check("MainEngineThread is returning 0" in log, "the install did not succeed")

    program.press("CloseInstallationWindow")
    run.finish(process, "install")


def remove_some(run, drive):
    process = run.start(drive, ["/U", PRODUCT_CODE])
    program = Program("the uninstaller")
    program.attach(process.pid)
    program.wait("ComponentUninstall")
    offered = [name for name in DEMO_DRIVERS
               if name not in CLEARED_AT_INSTALL and name not in NOT_REMOVABLE_ALONE]
    try:
        wait_for("the installed drivers' tiles", lambda: sorted(program.tiles()) == sorted(offered))
    except Failure:
        raise Failure("the uninstall page shows %s" % sorted(program.tiles()))
    run.note("uninstall page", program)
    program.clear(CLEARED_AT_REMOVAL)

    program.press("ComponentUninstall")
    program.wait("Finish Uninstallation")
    run.note("uninstall result", program)

    log = read(os.path.join(drive, LOG_FOLDER, "Zorva_Chipset_IODrivers_Un.log"))
    command = re.search(r"Command Line: (.*)", log)
    check(command, "MsiExec wrote no command line")
    removed = re.search(r"/i (\S+) REMOVE=(\S+) /qn", command.group(1))
    check(removed and removed.group(1) == PRODUCT_CODE, "MsiExec ran " + command.group(1))
    expected = {DEMO_DRIVERS[name] for name in offered if name not in CLEARED_AT_REMOVAL}
    check(set(removed.group(2).split(",")) == expected, "MsiExec removed " + removed.group(2))

    program.press("Finish Uninstallation")
    run.finish(process, "uninstall")


def install_for_a_parent(run, drive):
    output = os.path.join(run.folder, "parent.log")
    with open(output, "wb") as log:
        parent = subprocess.Popen([PARENT], env=run.environment(drive), stdout=log,
                                  stderr=subprocess.STDOUT)
    program = Program("the smart installer")
    program.attach()
    program.wait("SmartInstallerInstallButton")
    run.note("smart-installer page", program)
    program.press("SmartInstallerInstallButton")

    # The program ends by itself after the run; the parent then ends too.
    try:
        parent.wait(TIMEOUT)
    except subprocess.TimeoutExpired:
        parent.kill()
        raise Failure("the smart installer did not end: " + read(output))
    lines = read(output).splitlines()
    events = [int(re.match(r"event code=(\d+)", line).group(1))
              for line in lines if line.startswith("event code=")]
    check(events == [9, 4, 5], "the parent received events %s: %s" % (events, lines))
    check("child exit 0" in lines, "the smart installer's end: %s" % lines)


def focused(accessible):
    return accessible.getState().contains(pyatspi.STATE_FOCUSED)


def focus_of(program):
    """The showing object that has the keyboard focus, or None."""
    return next((a for a in walk(program.app) if showing(a) and focused(a)), None)


def same(a, b):
    return a is not None and b is not None and (a.name, a.getRole()) == (b.name, b.getRole())


def tab(program, window, limit=24, until=lambda accessible: True, what="the next control"):
    """Presses Tab, one press at a time, each time waiting until the focus has moved on, until
    the focused object satisfies until(); returns it."""
    current = focus_of(program)
    for _ in range(limit):
        before = current
        keys(window, "Tab")
        current = wait_for("the focus to move on from %s" % (before.name if before else "nothing"),
                           lambda: (lambda now: now if now and not same(now, before) else None)(
                               focus_of(program)))
        if until(current):
            return current
    raise Failure("Tab did not reach " + what)


def keys(window, *names):
    """Presses the keys, one after the other, in the program's window."""
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.1)


def install_with_the_keyboard(run, drive):
    process = run.start(drive, [])
    program = Program("the installer, from the keyboard")
    program.attach(process.pid)
    install = program.wait("ComponentInstallation")
    tiles = wait_for("ten tiles", lambda: len(program.tiles()) == 10 and program.tiles())
    window = wait_for("the window", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--pid", str(process.pid)],
        capture_output=True, text=True).stdout.split())[-1]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)

    # The logo, minimise and close come first, then the tiles in grid order.
    is_tile = lambda accessible: english(accessible.name) in DEMO_DRIVERS
    tab(program, window, until=is_tile, what="the first tile")
    second = tab(program, window, limit=1)
    check(is_tile(second), "the control after the first tile is %s" % second.name)
    keys(window, "space")
    wait_for("the focused tile cleared", lambda: not checked(second))
    cleared = english(second.name)

    # Escape asks first with No focused; Escape again is No.
    keys(window, "Escape")
    no = program.wait("noButton")
    wait_for("No focused", lambda: focused(no))
    keys(window, "Escape")
    program.wait("ComponentInstallation")

    if not focused(install):
        tab(program, window, until=lambda accessible: same(accessible, install), what="Install")
    keys(window, "Return")
    close = program.wait("CloseInstallationWindow")
    wait_for("Close focused", lambda: focused(close))
    run.note("keyboard result", program)

    log = read(os.path.join(drive, LOG_FOLDER, "Zorva_Chipset_IODrivers.log"))
    received = set(re.findall(r"Adding SET(\w+) property\. Its value is 'YES'", log))
    expected = {switch for name, switch in DEMO_DRIVERS.items() if name != cleared}
    check(received == expected, "the setup program received %s" % sorted(received))

    keys(window, "Return")
    run.finish(process, "install from the keyboard")


def main():
    load_translations()
    run = Run()
    try:
        drive = run.machine("demo")
        install_a_selection(run, drive)
        remove_some(run, drive)
        install_for_a_parent(run, run.machine("smart"))
        if shutil.which("xdotool"):
            install_with_the_keyboard(run, run.machine("keyboard"))
        else:
            print("no xdotool (Debian package xdotool): the keyboard run is left out")
    except Failure as failure:
        print("FAIL:", failure)
        log = os.path.join(run.folder, "program.log")
        if os.path.exists(log):
            print(read(log))
        return 1
    finally:
        for where, names in run.met.items():
            print("%s:" % where)
            for name, found in sorted(names.items()):
                for role, description in found:
                    print('  %s "%s": %s' % (role, name, description))
        run.cleanup()
    print("PASS: installed a selection, removed part of it, installed for a parent and from the"
          " keyboard")
    return 0


if __name__ == "__main__":
    sys.exit(main())
