// The site kept for use offline by its service worker, and a new version offered once it is
// complete: the visitor chooses when to reload, so nothing changes under a calculation.
import { element } from "./elements.js";

// Whether this page asked for the new version: other pages open at the time keep what they show.
let reloadWhenActive = false;

// The notice at the top of the page, announced when it appears; its button takes the new version.
function offer(waiting) {
  if (document.getElementById("update")) return;
  const button = element("button", "", { type: "button" }, "Reload");
  const notice = element("div", "update", { id: "update", role: "status" },
    "A new version is ready: ");
  notice.append(button);
  button.addEventListener("click", () => {
    button.disabled = true;
    reloadWhenActive = true;
    waiting.postMessage("activate");
  });
  document.body.prepend(notice);
}

// A version that finished installing while an older one controls the page is offered.
function watch(registration) {
  const control = () => navigator.serviceWorker.controller;
  if (registration.waiting && control()) offer(registration.waiting);
  registration.addEventListener("updatefound", () => {
    const worker = registration.installing;
    worker?.addEventListener("statechange", () => {
      if (worker.state === "installed" && control()) offer(worker);
    });
  });
}

export function keepOffline() {
  if (!("serviceWorker" in navigator) || !window.isSecureContext) return;
  // The new version takes over after the visitor's choice: the page then loads it.
  navigator.serviceWorker.addEventListener("controllerchange", () => {
    if (reloadWhenActive) window.location.reload();
  });
  // Without it the page works as it is; it is only not available offline.
  navigator.serviceWorker.register("sw.js").then(watch).catch(() => {});
}
