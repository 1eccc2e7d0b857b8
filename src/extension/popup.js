// The popup: the page's title and address, the folder, Add and Undo. Titles,
// addresses and folder names come from pages and files: they reach the page
// only as text (textContent, form values, option text), never as markup.
import { ask } from "./host.js";

const api = globalThis.browser ?? globalThis.chrome;
const t = (name, ...values) => api.i18n.getMessage(name, values.map(String));
const $ = (id) => document.getElementById(id);
// More options than this make a slow list and help nobody: the filter finds the rest.
const listLimit = 2000;

let tree = null; // the host's folders: identity, names, paths, recent and last folder
let chosen = -1; // the folder's index; -1 is the top of the file
let busy = false;

// Folded for matching: case and accents do not count, as in the window's filter.
const fold = (text) => text.normalize("NFD").replace(/\p{M}/gu, "").toLowerCase();

function localize() {
  for (const element of document.querySelectorAll("[data-i18n]")) element.textContent = t(element.dataset.i18n);
  for (const element of document.querySelectorAll("[data-i18n-label]"))
    element.setAttribute("aria-label", t(element.dataset.i18nLabel));
  $("filter").placeholder = t("filterHint");
}

function say(text, isError = false, canUndo = false) {
  $("resultText").textContent = text;
  $("result").classList.toggle("error", isError);
  $("undo").hidden = !canUndo;
}

function pathOf(index) {
  return index < 0 ? t("rootList") : tree.paths[index];
}

function readTree(reply) {
  const paths = [];
  const names = [];
  for (const [parent, name] of reply.folders) {
    names.push(fold(name));
    paths.push(parent < 0 ? name : `${paths[parent]}/${name}`);
  }
  return { identity: reply.identity, file: reply.file, paths, folded: paths.map(fold), names, recent: reply.recent, last: reply.last };
}

// Folders matching every word of the filter: those whose own name starts with
// a word first, then the shallower ones, then in file order.
function matches(filter) {
  const words = fold(filter).split(/\s+/).filter(Boolean);
  if (words.length === 0) {
    const recent = tree.recent.filter((index) => index < tree.paths.length);
    return [-1, ...recent, ...[...tree.paths.keys()].filter((index) => !recent.includes(index))];
  }
  const found = [];
  tree.folded.forEach((path, index) => {
    if (words.every((word) => path.includes(word))) {
      const named = words.some((word) => tree.names[index].startsWith(word)) ? 0 : 1;
      found.push({ index, named, depth: path.split("/").length });
    }
  });
  found.sort((a, b) => a.named - b.named || a.depth - b.depth || a.index - b.index);
  return found.map((match) => match.index);
}

function showFolders() {
  const list = $("folders");
  const indexes = matches($("filter").value);
  const options = indexes.slice(0, listLimit).map((index) => new Option(pathOf(index), String(index)));
  if (indexes.length > listLimit) {
    const more = new Option(t("more", indexes.length - listLimit), "");
    more.disabled = true;
    options.push(more);
  }
  list.replaceChildren(...options);
  const keep = options.findIndex((option) => option.value === String(chosen));
  list.selectedIndex = keep >= 0 ? keep : indexes.length > 0 ? 0 : -1;
  if (keep < 0 && indexes.length > 0) chosen = indexes[0];
}

async function loadTree() {
  const reply = await ask({ request: "tree" });
  if (!reply.ok) {
    tree = null;
    $("add").disabled = true;
    $("folders").replaceChildren();
    say(reply.kind === "noFile" ? t("noFile", reply.message) : reply.message, true);
    return false;
  }
  const before = tree && chosen >= 0 ? tree.paths[chosen] : null;
  tree = readTree(reply);
  // After a rewrite the same folder is found again by its path.
  chosen = before !== null ? Math.max(tree.paths.indexOf(before), -1) : reply.last;
  $("file").textContent = t("file", reply.file);
  say(reply.recovery ?? "");
  showFolders();
  $("add").disabled = false;
  return true;
}

async function checkAddress() {
  const address = $("address").value.trim();
  const notice = $("already");
  notice.hidden = true;
  if (!tree || !address) return;
  const reply = await ask({ request: "check", address });
  if (reply.ok && reply.folders.length > 0 && reply.identity === tree.identity) {
    notice.textContent = t("alreadyIn", reply.folders.map(pathOf).join(", "));
    notice.hidden = false;
  }
}

async function add(event) {
  event.preventDefault();
  if (busy || !tree) return;
  busy = true;
  $("add").disabled = true;
  const where = pathOf(chosen);
  const reply = await ask({
    request: "add", title: $("title").value, address: $("address").value, folder: chosen, identity: tree.identity,
  });
  if (reply.ok) {
    await loadTree();
    say(t("added", where), false, true);
    $("undo").focus();
  } else if (reply.kind === "changed") {
    await loadTree();
    say(t("changed", reply.message), true);
  } else {
    $("add").disabled = false;
    say(reply.kind === "noFile" ? t("noFile", reply.message) : reply.message, true);
  }
  busy = false;
  await checkAddress();
}

async function undo() {
  if (busy) return;
  busy = true;
  const reply = await ask({ request: "undo" });
  busy = false;
  if (!reply.ok) return say(reply.message, true);
  await loadTree();
  say(t("undone"));
  $("title").focus();
  await checkAddress();
}

// Up and Down in the filter move in the list; Enter takes the folder and goes
// back to the title; Escape empties the filter before it closes the popup.
function filterKeys(event) {
  const list = $("folders");
  if (event.key === "ArrowDown" || event.key === "ArrowUp") {
    event.preventDefault();
    const step = event.key === "ArrowDown" ? 1 : -1;
    const next = Math.min(Math.max(list.selectedIndex + step, 0), list.options.length - 1);
    if (!list.options[next]?.disabled) list.selectedIndex = next;
    list.dispatchEvent(new Event("change"));
  } else if (event.key === "Enter") {
    event.preventDefault();
    $("title").focus();
  } else if (event.key === "Escape" && $("filter").value) {
    event.preventDefault();
    $("filter").value = "";
    showFolders();
  }
}

async function start() {
  localize();
  const query = new URLSearchParams(location.search);
  let title = query.get("title") ?? "";
  let address = query.get("url") ?? "";
  if (!query.has("url")) {
    const [tab] = await api.tabs.query({ active: true, currentWindow: true });
    title = tab?.title ?? "";
    address = tab?.url ?? "";
  }
  $("title").value = title;
  $("address").value = address;
  $("title").focus();
  $("title").select();
  $("form").addEventListener("submit", add);
  $("undo").addEventListener("click", undo);
  $("filter").addEventListener("input", showFolders);
  $("filter").addEventListener("keydown", filterKeys);
  $("folders").addEventListener("change", () => {
    const value = $("folders").value;
    if (value !== "") chosen = Number(value);
  });
  $("folders").addEventListener("keydown", (event) => {
    if (event.key === "Enter") add(event);
  });
  $("address").addEventListener("change", checkAddress);
  say(t("reading"));
  if (await loadTree()) await checkAddress();
}

start();
