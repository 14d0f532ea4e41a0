// Runs a command-line tool of the build, built with Qt for WebAssembly, under Node:
//   node run-node-tool.js TOOL.js ARGUMENT...
// Qt builds every program as a module factory, which Node loads but does not start; the tool's
// exit status is Node's. The wasm file beside it is handed over read, as emscripten 3.1.6 would
// fetch() it, which Node's fetch cannot do for a path.
const fs = require("fs");
const path = require("path");
const tool = path.resolve(process.argv[2]);
const start = require(tool);
start({
    arguments: process.argv.slice(3),
    wasmBinary: fs.readFileSync(tool.replace(/\.js$/, ".wasm")),
});
