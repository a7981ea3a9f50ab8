// Writes the window model document beside the module when the site is assembled, so that the
// page draws the window from it while the module is still loading.
//   node write_model.cjs SITE_FOLDER
const fs = require("fs");
const path = require("path");

const site = path.resolve(process.argv[2]);
const TalliesCore = require(path.join(site, "tallies_core.js"));
TalliesCore({ wasmBinary: fs.readFileSync(path.join(site, "tallies_core.wasm")) }).then((core) => {
  const text = core.ccall("tallies_model", "string", [], []);
  const fault = JSON.parse(text).fault;
  if (fault) throw new Error(`the module made no model: ${fault}`);
  fs.writeFileSync(path.join(site, "model.json"), text);
}).catch((error) => {
  console.error(error);
  process.exit(1);
});
