#!/usr/bin/env python3
"""Adds the page served here from the extension's popup in real Firefox and
Chromium, into a nested folder of a 20,000-folder bookmark file, checks the file
byte for byte, then undoes it from the popup. Python's standard library only:
Marionette for Firefox, the DevTools protocol over a pipe for Chromium.
Usage: run.py BUILD_DIR [SCREENSHOT_DIR]"""
import base64, http.server, json, os, shutil, socket, subprocess, sys, tempfile, threading, time, urllib.parse

BUILD = os.path.abspath(sys.argv[1])
SHOTS = sys.argv[2] if len(sys.argv) > 2 else None
TITLE = 'Café <img src=x onerror=alert(1)> & "Tips"'
UUID = "6c1f2e0a-5b7d-4c1e-9a3f-0d2b8e4f7a61"


def bookmark_file():
    parts = ["<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>Bookmarks</TITLE>\n<DL><p>\n"]
    for i in range(20000):
        parts.append(f"<DT><H3>Folder {i}</H3>\n<DL><p>\n<DT><A HREF=\"https://e.example/{i}\">{i}</A>\n</DL><p>\n")
        if i == 9000:
            parts.append("<DT><H3>Reading</H3>\n<DL><p>\n<DT><H3>Articles</H3>\n<DL><p>\n"
                         "<DT><A HREF=\"https://old.example/\">Old</A>\n</DL><p>\n</DL><p>\n")
    return ("".join(parts) + "</DL>\n").encode()


class Browser:
    def close(self):
        self.proc.terminate()
        self.proc.wait(30)


class Firefox(Browser):
    def __init__(self, home, env):
        profile = os.path.join(home, "profile")
        os.makedirs(profile)
        prefs = {"marionette.port": 0, "browser.shell.checkDefaultBrowser": False, "app.update.disabledForTesting": True,
                 "datareporting.policy.dataSubmissionEnabled": False, "browser.startup.homepage_override.mstone": "ignore",
                 "extensions.webextensions.uuids": json.dumps({"linkcrate@linkcrate.github.io": UUID})}
        with open(os.path.join(profile, "user.js"), "w") as f:
            f.writelines(f"user_pref({json.dumps(k)}, {json.dumps(v)});\n" for k, v in prefs.items())
        self.proc = subprocess.Popen(["firefox-esr", "--marionette", "-remote-allow-system-access", "--headless", "--no-remote", "-profile", profile],
                                     env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(profile, "MarionetteActivePort")
        wait(lambda: os.path.exists(port_file) and open(port_file).read().strip())
        self.sock = socket.create_connection(("127.0.0.1", int(open(port_file).read())))
        self.id = 0
        self.receive()
        self.call("WebDriver:NewSession", {"capabilities": {"alwaysMatch": {"acceptInsecureCerts": True}}})
        self.call("Addon:Install", {"path": os.path.join(BUILD, "linkcrate.xpi"), "temporary": True})
        self.call("WebDriver:SetWindowRect", {"width": 520, "height": 640})
        self.popup = f"moz-extension://{UUID}/popup.html"

    def receive(self):
        data = b""
        while b":" not in data:
            data += self.sock.recv(1)
        length, data = data.split(b":", 1)
        while len(data) < int(length):
            data += self.sock.recv(int(length) - len(data))
        return json.loads(data)

    def call(self, name, params):
        self.id += 1
        message = json.dumps([0, self.id, name, params]).encode()
        self.sock.sendall(str(len(message)).encode() + b":" + message)
        _, _, error, result = self.receive()
        if error:
            raise RuntimeError(f"{name}: {error}")
        return result

    def open(self, url):
        if not url.startswith("moz-extension:"):
            return self.call("WebDriver:Navigate", {"url": url})
        # A page may not open the extension's own pages: the browser's window does.
        self.call("Marionette:SetContext", {"value": "chrome"})
        self.call("WebDriver:ExecuteScript", {"script": "gBrowser.selectedBrowser.fixupAndLoadURIString(arguments[0], "
                  "{triggeringPrincipal: Services.scriptSecurityManager.getSystemPrincipal()});", "args": [url]})
        self.call("Marionette:SetContext", {"value": "content"})
        wait(lambda: self.eval("location.href") == url and self.eval("document.readyState") == "complete")

    def eval(self, expression):
        return self.call("WebDriver:ExecuteScript", {"script": f"return ({expression});", "args": []})["value"]

    def screenshot(self):
        element = self.call("WebDriver:FindElement", {"using": "css selector", "value": "main"})["value"]
        return self.call("WebDriver:TakeScreenshot", {"id": list(element.values())[0]})["value"]


class Chromium(Browser):
    def __init__(self, home, env):
        self.to_browser, theirs_in = os.pipe()[::-1]
        theirs_out, self.from_browser = os.pipe()[::-1]
        def fds():  # the pipe's ends as fds 3 and 4, whatever numbers they had
            copies = os.dup(theirs_in), os.dup(theirs_out)
            os.dup2(copies[0], 3)
            os.dup2(copies[1], 4)
        ours = ["--enable-unsafe-extension-debugging", "--remote-debugging-pipe", "--headless=new",
                f"--user-data-dir={home}/.config/chromium", "--window-size=520,640"]
        run = ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
               "--disable-component-update", "--disable-sync"]
        self.proc = subprocess.Popen(["chromium", *ours, *run, "about:blank"], env=env, preexec_fn=fds, pass_fds=(3, 4),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(theirs_in)
        os.close(theirs_out)
        self.id, self.buffer, self.session = 0, b"", None
        extension = self.call("Extensions.loadUnpacked", {"path": f"{BUILD}/extension"})["id"]
        assert extension == "fjdloabdclggnnkmemhpjemkigjbcjfg", extension
        target = self.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        self.session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        self.popup = "chrome-extension://fjdloabdclggnnkmemhpjemkigjbcjfg/popup.html"

    def call(self, method, params):
        self.id += 1
        message = {"id": self.id, "method": method, "params": params}
        if self.session:
            message["sessionId"] = self.session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        while True:
            while b"\0" not in self.buffer:
                chunk = os.read(self.from_browser, 1 << 16)
                if not chunk:
                    raise RuntimeError("Chromium closed its pipe")
                self.buffer += chunk
            line, self.buffer = self.buffer.split(b"\0", 1)
            reply = json.loads(line)
            if reply.get("id") == self.id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply["result"]

    def open(self, url):
        self.call("Page.navigate", {"url": url})
        time.sleep(0.5)
        wait(lambda: self.eval("document.readyState") == "complete")

    def eval(self, expression):
        result = self.call("Runtime.evaluate", {"expression": f"({expression})", "returnByValue": True})
        if "exceptionDetails" in result:
            return None
        return result["result"].get("value")

    def screenshot(self):
        box = self.eval("JSON.stringify(document.querySelector('main').getBoundingClientRect())")
        clip = {k: v for k, v in json.loads(box).items() if k in ("x", "y", "width", "height")}
        return self.call("Page.captureScreenshot", {"format": "png", "clip": {**clip, "scale": 1}})["data"]


def wait(condition, seconds=60):
    end = time.time() + seconds
    while time.time() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.2)
    raise TimeoutError("waited in vain")


def element(id_, what):
    return f"document.getElementById({json.dumps(id_)}).{what}"


def scenario(browser, path, page):
    old = open(path, "rb").read()
    browser.open(page)
    title = wait(lambda: browser.eval("document.title"))
    assert title == TITLE, title
    browser.open(browser.popup + "?" + urllib.parse.urlencode({"url": page, "title": title}))
    wait(lambda: browser.eval(element("add", "disabled") + " === false"))
    assert browser.eval(element("title", "value")) == TITLE and browser.eval("document.images.length") == 0
    typed = element("filter", "dispatchEvent(new Event('input'))")
    browser.eval(f"({element('filter', 'value')} = 'articles read', {typed})")
    assert browser.eval(element("folders", "selectedOptions[0].text")) == "Reading/Articles"
    browser.eval(element("form", "requestSubmit()") + " ?? true")
    result = wait(lambda: browser.eval(element("undo", "hidden") + " === false && " + element("resultText", "textContent")))
    assert result == "Added to Reading/Articles", result
    line = f'<DT><A HREF="{page}">Café &lt;img src=x onerror=alert(1)&gt; &amp; &quot;Tips&quot;</A>\n'.encode()
    marker = b"<DT><H3>Articles</H3>\n<DL><p>\n"
    expected = old.replace(marker, marker + line)
    assert open(path, "rb").read() == expected, "the file is not the old one with the line first in Reading/Articles"
    shot = browser.screenshot()
    browser.eval(element("undo", "click()") + " ?? true")
    wait(lambda: browser.eval(element("resultText", "textContent")) == "The addition was undone.")
    assert open(path, "rb").read() == old, "undo did not restore the file"
    return shot


BROWSERS = [b for b in (("firefox", Firefox, "firefox-esr"), ("chromium", Chromium, "chromium"))
            if b[0] in os.environ.get("LINKCRATE_BROWSERS", "firefox chromium").split()]


def main():
    ran = 0
    for name, driver, program in BROWSERS:
        if not shutil.which(program):
            print(f"SKIP {name}: {program} is not installed (scripts/install-deps installs it)")
            continue
        with tempfile.TemporaryDirectory() as home:
            env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_DATA_HOME=f"{home}/.local/share",
                       XDG_CACHE_HOME=f"{home}/.cache", MOZ_HEADLESS="1")
            env.pop("DISPLAY", None)
            path = os.path.join(home, "bookmarks.html")
            open(path, "wb").write(bookmark_file())
            os.makedirs(f"{home}/.config/Linkcrate")
            open(f"{home}/.config/Linkcrate/Linkcrate.conf", "w").write(f"[Settings]\nBookmarks={path}\n")
            subprocess.run([f"{BUILD}/linkcrate-host", "--install-user-manifests"], env=env, check=True, stdout=subprocess.DEVNULL)
            server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Page)
            threading.Thread(target=server.serve_forever, daemon=True).start()
            browser = driver(home, env)
            try:
                shot = scenario(browser, path, f"http://127.0.0.1:{server.server_port}/page.html")
            finally:
                browser.close()
                server.shutdown()
            if SHOTS:
                open(os.path.join(SHOTS, f"popup-{name}.png"), "wb").write(base64.b64decode(shot))
            print(f"PASS {name}: added into Reading/Articles of 20,000 folders, undone")
            ran += 1
    return 0 if ran else 77


class Page(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        body = "<!DOCTYPE html><title>Café &lt;img src=x onerror=alert(1)&gt; &amp; \"Tips\"</title><p>A page".encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


if __name__ == "__main__":
    sys.exit(main())
