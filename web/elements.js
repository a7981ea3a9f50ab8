// What every part of the page builds its elements with. Text is written with textContent and
// value only, never as markup.
export const byId = (id) => document.getElementById(id);

// An element with a class, attributes and, if given, its text.
export function element(tag, className, attributes = {}, text = "") {
  const made = document.createElement(tag);
  if (className) made.className = className;
  for (const [key, value] of Object.entries(attributes)) made.setAttribute(key, value);
  if (text) made.textContent = text;
  return made;
}

// A text the browser keeps for the page between visits, "" when it keeps none (its storage
// disabled or refused).
export function stored(key) {
  try {
    return localStorage.getItem(key) ?? "";
  } catch (error) {
    return "";
  }
}

// Keeps a text for the next visit where the browser allows; where it does not, a choice holds
// until the page is closed.
export function keep(key, text) {
  try {
    localStorage.setItem(key, text);
  } catch (error) {
    // Not kept.
  }
}

// Places an element at [left, top, width, height] in CSS pixels.
export function place(node, [left, top, width, height]) {
  Object.assign(node.style, {
    left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`,
  });
}
