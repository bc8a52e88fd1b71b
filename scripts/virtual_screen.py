"""A virtual screen for the scripts that run the game: Xvfb on a free
display (or on VIRTUAL_DISPLAY, such as :51, where several people share a
machine), openbox on it if asked, and DISPLAY set for everything started
after."""
import os
import subprocess
import time


def start_screen(size="1600x1200", with_wm=True):
    """Starts the screen and returns its processes, to be stopped by stop_screen."""
    # Xvfb picks a free display itself and writes its number to the pipe.
    read_end, write_end = os.pipe()
    chosen = [os.environ["VIRTUAL_DISPLAY"]] if os.environ.get("VIRTUAL_DISPLAY") else []
    xvfb = subprocess.Popen(["Xvfb", *chosen, "-displayfd", str(write_end), "-screen", "0", size + "x24",
                             "-noreset", "-nolisten", "tcp"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        os.environ["DISPLAY"] = ":" + pipe.readline().strip()
    helpers = [xvfb]
    if with_wm:
        helpers.append(subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL))
        time.sleep(1.0)
    return helpers


def stop_screen(helpers):
    for helper in reversed(helpers):
        helper.terminate()
        helper.wait()
