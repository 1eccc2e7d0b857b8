// The link's context menu entry: the popup's page, in a small window of its
// own, filled in with the link instead of the tab.
const api = globalThis.browser ?? globalThis.chrome;
const menuId = "add-link";

api.runtime.onInstalled.addListener(() => {
  api.contextMenus.create({ id: menuId, title: api.i18n.getMessage("contextMenu"), contexts: ["link"] });
});

api.contextMenus.onClicked.addListener((info) => {
  if (info.menuItemId !== menuId) return;
  const query = new URLSearchParams({ url: info.linkUrl ?? "", title: info.linkText ?? info.selectionText ?? "" });
  api.windows.create({ url: api.runtime.getURL(`popup.html?${query}`), type: "popup", width: 460, height: 560 });
});
