// Talks to linkcrate-host, the program that writes the bookmark file. Every
// answer is an object with `ok`, a `kind` and a `message` for the user, also
// when the host cannot be reached at all.
const api = globalThis.browser ?? globalThis.chrome;
const hostName = "io.github.linkcrate.host";

export async function ask(request) {
  try {
    const reply = await api.runtime.sendNativeMessage(hostName, request);
    if (reply && typeof reply === "object" && typeof reply.ok === "boolean") return reply;
    return failure("noHost", api.i18n.getMessage("hostStopped", ["?"]));
  } catch (error) {
    const why = String(error?.message ?? error);
    // Firefox: "No such native application …"; Chromium: "… host not found."
    const missing = /no such native application|not found|forbidden/i.test(why);
    return failure("noHost", missing ? api.i18n.getMessage("noHost") : api.i18n.getMessage("hostStopped", [why]));
  }
}

function failure(kind, message) {
  return { ok: false, kind, message };
}
