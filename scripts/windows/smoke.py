#!/usr/bin/env python3
"""Uses the real program as a person would, in a virtual X display: imports a search file through
the toolbar and the open dialog, then writes the detail workbook and the code list through their save
dialogs. Drives the Windows program under Wine or the Linux program alike, with xdotool.

usage: smoke.py OUTPUT_FOLDER SEARCH_FILE COMMAND...   (DISPLAY must name a running X server)
Writes OUTPUT_FOLDER/codes.txt and OUTPUT_FOLDER/details.xls.
"""
import os
import re
import struct
import subprocess
import sys
import time



def project_version():
    """major.minor of the project version, from the project line of CMakeLists.txt."""
    cmakelists = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "CMakeLists.txt")
    with open(cmakelists, encoding="utf-8") as f:
        match = re.search(r"^project\(\w+ VERSION (\d+)\.(\d+)", f.read(), re.MULTILINE)
    return f"{match.group(1)}.{match.group(2)}"


TITLE = "Korvia8位编码导出工具V" + project_version()
CLIENT_WIDTH, CLIENT_HEIGHT = 1023, 490  # the main window's fixed client area
TOOLBAR = (8, 8, 583)                    # left, top, width, in client pixels
CODE_PANEL_OK = (224 + 392 + 24, 104 + 11 + 12)  # the centre of "确定" on the code export panel


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True, text=True).stdout


def wait_for(what, probe, seconds=120):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = probe()
        if value:
            return value
        time.sleep(0.5)
    raise SystemExit(f"smoke: timed out waiting for {what}")


def find_windows(name):
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], capture_output=True, text=True)
    return result.stdout.split()


def geometry(window):
    values = dict(line.split("=") for line in xdotool("getwindowgeometry", "--shell", window).split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def client_origin(window):
    """The main window's client area within its X window: Wine without a window manager draws the
    frame inside the X window; a Linux window's X window is the client area itself."""
    x, y, width, height = geometry(window)
    border = (width - CLIENT_WIDTH) // 2
    return x + border, y + height - CLIENT_HEIGHT - border


def screenshot():
    """The root window as rows of (r, g, b), read from xwd's own format."""
    data = subprocess.run(["xwd", "-root", "-silent"], check=True, capture_output=True).stdout
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    bits_per_pixel, bytes_per_line, ncolors = fields[11], fields[12], fields[19]
    byte_order = fields[7]
    # Pixels may be packed in three bytes while lines keep the four-byte length.
    step = bits_per_pixel // 8
    if step not in (3, 4):
        raise SystemExit(f"smoke: cannot read a screen of {bits_per_pixel} bits per pixel")
    pixels = data[header_size + 12 * ncolors:]

    def pixel(px, py):
        at = py * bytes_per_line + step * px
        value = int.from_bytes(pixels[at:at + step], "little" if byte_order == 0 else "big")
        return (value >> 16) & 255, (value >> 8) & 255, value & 255

    return pixel, width, height


def toolbar_buttons(origin):
    """The centres of the toolbar's buttons, found as runs of columns that differ from the toolbar's
    background (the buttons are flat until hovered; separators are thin and left out)."""
    pixel, _, _ = screenshot()
    left, top, width = TOOLBAR
    x0, y0 = origin[0] + left, origin[1] + top
    background = pixel(x0 + width - 3, y0 + 20)
    busy = [any(pixel(x0 + dx, y0 + dy) != background for dy in range(2, 52)) for dx in range(width)]
    runs, start, gap = [], None, 0
    for dx, on in enumerate(busy + [False] * 6):
        if on:
            if start is None:
                start = dx
            gap, end = 0, dx
        elif start is not None:
            gap += 1
            if gap >= 5:
                runs.append((start, end))
                start = None
    buttons = [(x0 + (a + b) // 2, y0 + 24) for a, b in runs if b - a >= 20]
    if len(buttons) != 7:
        raise SystemExit(f"smoke: found {len(buttons)} toolbar buttons instead of 7: {runs}")
    return buttons


def click(x, y):
    xdotool("mousemove", "--sync", x, y)
    xdotool("click", "1")
    xdotool("mousemove", "--sync", 1, 1)  # no hover highlight left behind


def answer_file_dialog(known, path, centre):
    """Types a full path into the file dialog that opens, and confirms it. Wine's own file dialog
    never maps an X window here; it takes the keyboard when the pointer rests over the main window's
    centre, where it opens."""
    try:
        dialog = wait_for("the file dialog", lambda: [w for w in find_windows(".") if w not in known], seconds=8)[0]
    except SystemExit:
        dialog = None
    time.sleep(1.0)
    # Without a window manager the keyboard follows the pointer.
    if dialog:
        x, y, width, height = geometry(dialog)
        xdotool("mousemove", "--sync", x + width // 2, y + 10)
        xdotool("windowfocus", "--sync", dialog)
    else:
        xdotool("mousemove", "--sync", *centre)
    # The name box may hold a suggested name: select it all, so the path replaces it.
    xdotool("key", "End", "shift+Home")
    xdotool("type", "--delay", 30, path)
    xdotool("key", "Return")
    xdotool("mousemove", "--sync", 1, 1)


def confirm_message(known):
    """Presses Return on the message box that follows an export. The progress window shows first
    for a longer export and closes by itself: windows that go away while looked at are passed over."""
    def message_box():
        for window in find_windows("."):
            if window in known:
                continue
            try:
                return window, geometry(window), xdotool("getwindowname", window)
            except subprocess.CalledProcessError:
                continue
        return None

    def settled_box():
        found = message_box()
        if found and "稍候" in found[2]:
            known.add(found[0])
            return None
        return found

    box, (x, y, width, height), _ = wait_for("the message box", settled_box)
    time.sleep(0.5)
    xdotool("mousemove", "--sync", x + width // 2, y + 10)
    xdotool("windowfocus", "--sync", box)
    xdotool("key", "Return")
    xdotool("mousemove", "--sync", 1, 1)


def main():
    output, search_file, command = sys.argv[1], sys.argv[2], sys.argv[3:]
    windows_paths = command[0] == "wine"
    native = (lambda p: "Z:" + os.path.abspath(p).replace("/", "\\")) if windows_paths else os.path.abspath
    os.makedirs(output, exist_ok=True)
    codes, details = os.path.join(output, "codes.txt"), os.path.join(output, "details.xls")
    for stale in (codes, details):
        if os.path.exists(stale):
            os.remove(stale)

    program = subprocess.Popen(command, cwd=os.path.dirname(command[-1]) or ".")
    try:
        window = wait_for("the main window", lambda: find_windows(TITLE), seconds=240)[0]
        time.sleep(3)  # the start-up sequence: keyword library, online check
        origin = client_origin(window)
        centre = (origin[0] + CLIENT_WIDTH // 2, origin[1] + CLIENT_HEIGHT // 2)
        buttons = toolbar_buttons(origin)
        known = set(find_windows("."))

        click(*buttons[0])  # 导入8位编码
        answer_file_dialog(known, native(search_file), centre)
        # The song commands stay closed until the import has finished, and a click meanwhile is
        # ignored; under Wine the import of even a small file has taken more than two seconds.
        time.sleep(8)

        click(*buttons[1])  # 导出明细Excel
        answer_file_dialog(known, native(details), centre)
        confirm_message(set(known))  # 导出成功!
        wait_for("the workbook", lambda: os.path.exists(details))
        time.sleep(2)

        click(*buttons[2])  # 导出8位编码
        answer_file_dialog(known, native(codes), centre)
        wait_for("the code list", lambda: os.path.exists(codes))
        time.sleep(1)
        click(origin[0] + CODE_PANEL_OK[0], origin[1] + CODE_PANEL_OK[1])  # 确定
        click(*buttons[6])  # 退出
        program.wait(timeout=60)
    finally:
        if program.poll() is None:
            program.kill()
    print(f"smoke: {command[-1]} wrote {os.path.getsize(codes)} bytes of codes and "
          f"{os.path.getsize(details)} bytes of workbook; exit code {program.returncode}")
    return program.returncode


if __name__ == "__main__":
    sys.exit(main())
